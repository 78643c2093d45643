#pragma once

#include <map>

#include "settings_store.h"

namespace quillmere {

// A store held in memory: for tests and for tools that are handed their settings.
class MemorySettingsStore final : public SettingsStore {
 public:
  MemorySettingsStore() = default;
  MemorySettingsStore(std::initializer_list<std::pair<const std::string, std::string>> values);

  std::optional<std::string> Read(std::string_view key) const override;
  void Write(std::string_view key, std::string_view value) override;

 private:
  struct CaseInsensitiveLess {
    using is_transparent = void;
    bool operator()(std::string_view a, std::string_view b) const { return KeyLess(a, b); }
  };
  std::map<std::string, std::string, CaseInsensitiveLess> values_;
};

}  // namespace quillmere
