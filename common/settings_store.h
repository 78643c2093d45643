#pragma once

#include <cstddef>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace quillmere {

// Every value of the product lives under this application and section.
inline constexpr std::string_view kSettingsApplication = "Varnholt";
inline constexpr std::string_view kSettingsSection = "Quillmere";

// Where Group Policy keeps the values an administrator enforces, below HKEY_LOCAL_MACHINE and
// HKEY_CURRENT_USER ("Software\Policies\Varnholt\Quillmere"); value names are the keys.
std::string PolicyKeyPath();

// The store could not carry out a read or write (an absent key is not an error).
class SettingsStoreError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Per-user named text values of one application and section.
// Key names compare without regard to letter case.
class SettingsStore {
 public:
  virtual ~SettingsStore() = default;

  // The stored text, or nothing when the key, the section or the application is absent.
  // Throws SettingsStoreError when a value exists but cannot be read.
  virtual std::optional<std::string> Read(std::string_view key) const = 0;

  // Stores the text whole, creating section and application as needed.
  // Throws SettingsStoreError when the value cannot be written.
  virtual void Write(std::string_view key, std::string_view value) = 0;
};

void SaveSetting(SettingsStore& store, std::string_view key, std::string_view value);

// Key names compare without regard to ASCII letter case, the same for every user whatever the
// locale (a Turkish user's "Insert" is still "INSERT").
constexpr char FoldKeyCase(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }
constexpr bool KeysEqual(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (FoldKeyCase(a[i]) != FoldKeyCase(b[i])) return false;
  }
  return true;
}
bool KeyLess(std::string_view a, std::string_view b);

}  // namespace quillmere
