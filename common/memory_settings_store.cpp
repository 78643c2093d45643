#include "memory_settings_store.h"

namespace quillmere {

MemorySettingsStore::MemorySettingsStore(std::initializer_list<std::pair<const std::string, std::string>> values) {
  for (const auto& [key, value] : values) Write(key, value);
}

std::optional<std::string> MemorySettingsStore::Read(std::string_view key) const {
  auto found = values_.find(key);
  if (found == values_.end()) return std::nullopt;
  return found->second;
}

void MemorySettingsStore::Write(std::string_view key, std::string_view value) {
  auto found = values_.find(key);
  if (found == values_.end()) {
    values_.emplace(std::string(key), std::string(value));
  } else {
    found->second.assign(value);
  }
}

}  // namespace quillmere
