#include "settings_store.h"

#include <algorithm>

namespace quillmere {
namespace {

char FoldCase(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

std::string PolicyKeyPath() {
  return "Software\\Policies\\" + std::string(kSettingsApplication) + "\\" + std::string(kSettingsSection);
}

std::string GetSetting(const SettingsStore& store, std::string_view key, int defaultValue) {
  if (auto stored = store.Read(key)) return std::move(*stored);
  return std::to_string(defaultValue);
}

void SaveSetting(SettingsStore& store, std::string_view key, std::string_view value) { store.Write(key, value); }

bool KeysEqual(std::string_view a, std::string_view b) {
  return std::ranges::equal(a, b, [](char x, char y) { return FoldCase(x) == FoldCase(y); });
}

bool KeyLess(std::string_view a, std::string_view b) {
  return std::ranges::lexicographical_compare(a, b, [](char x, char y) { return FoldCase(x) < FoldCase(y); });
}

}  // namespace quillmere
