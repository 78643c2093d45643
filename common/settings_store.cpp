#include "settings_store.h"

#include <algorithm>

namespace quillmere {

std::string PolicyKeyPath() {
  return "Software\\Policies\\" + std::string(kSettingsApplication) + "\\" + std::string(kSettingsSection);
}

void SaveSetting(SettingsStore& store, std::string_view key, std::string_view value) { store.Write(key, value); }

bool KeyLess(std::string_view a, std::string_view b) {
  return std::ranges::lexicographical_compare(a, b, [](char x, char y) { return FoldKeyCase(x) < FoldKeyCase(y); });
}

}  // namespace quillmere
