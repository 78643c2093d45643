#include "common/registry_settings_store_win.h"

#include <cstring>
#include <utility>
#include <vector>

#include "common/unique_handle_win.h"
#include "common/utf16_text.h"

namespace quillmere {
namespace {

constexpr std::wstring_view kSettingsRoot = L"Software\\VB and VBA Program Settings\\";

// No setting's text needs more than a few bytes: a larger value is refused before a buffer is
// made for it, however large it is.
constexpr DWORD kMaxValueBytes = 16 * 1024;

// A value is stored exactly or not at all.
std::wstring ToWide(std::string_view text, std::string_view what) {
  if (!IsExactUtf8(text)) throw SettingsStoreError(std::string(what) + " is not valid UTF-8");
  return Utf8ToWide(text);
}

[[noreturn]] void ThrowWin32(std::string_view action, std::string_view key, LSTATUS status) {
  throw SettingsStoreError(std::string(action) + " setting \"" + std::string(key) + "\" failed (Windows error " +
                           std::to_string(status) + ")");
}

// A REG_SZ may or may not carry its terminator, and may carry junk after it: text ends at the
// first NUL or at the end of the data, whichever comes first.
std::wstring TextOf(const std::vector<BYTE>& data) {
  std::wstring text(data.size() / sizeof(wchar_t), L'\0');
  if (!text.empty()) std::memcpy(text.data(), data.data(), text.size() * sizeof(wchar_t));
  if (auto end = text.find(L'\0'); end != std::wstring::npos) text.resize(end);
  return text;
}

}  // namespace

RegistrySettingsStore::RegistrySettingsStore() : RegistrySettingsStore(kSettingsApplication, kSettingsSection) {}

RegistrySettingsStore::RegistrySettingsStore(std::string_view application, std::string_view section, HKEY root)
    : root_(root),
      keyPath_(std::wstring(kSettingsRoot) + ToWide(application, "application name") + L"\\" +
               ToWide(section, "section name")) {}

RegistrySettingsStore::RegistrySettingsStore(HKEY root, std::wstring keyPath, REGSAM view)
    : root_(root), keyPath_(std::move(keyPath)), view_(view) {}

std::optional<std::string> RegistrySettingsStore::Read(std::string_view key) const {
  const std::wstring name = ToWide(key, "setting name");
  UniqueHKey section;
  LSTATUS status = ::RegOpenKeyExW(root_, keyPath_.c_str(), 0, KEY_QUERY_VALUE | view_, section.put());
  if (status == ERROR_FILE_NOT_FOUND) return std::nullopt;
  if (status != ERROR_SUCCESS) ThrowWin32("opening the section to read", key, status);

  // Stored settings are short: one call usually does. The value may also grow between asking
  // its size and reading it: ask again then.
  std::vector<BYTE> data(64);
  DWORD type = 0;
  for (;;) {
    DWORD size = static_cast<DWORD>(data.size());
    status = ::RegQueryValueExW(section.get(), name.c_str(), nullptr, &type, data.data(), &size);
    if (status == ERROR_FILE_NOT_FOUND) return std::nullopt;
    if (status == ERROR_MORE_DATA) {
      if (size > kMaxValueBytes) {
        throw SettingsStoreError("setting \"" + std::string(key) + "\" holds " + std::to_string(size) +
                                 " bytes, more than the " + std::to_string(kMaxValueBytes) + " a setting may have");
      }
      data.resize(size + sizeof(wchar_t));
      continue;
    }
    if (status != ERROR_SUCCESS) ThrowWin32("reading", key, status);
    data.resize(size);
    break;
  }

  switch (type) {
    case REG_SZ:
    case REG_EXPAND_SZ: return WideToUtf8(TextOf(data));
    case REG_DWORD:
      if (data.size() != sizeof(DWORD)) break;
      {
        DWORD number = 0;
        std::memcpy(&number, data.data(), sizeof number);
        return std::to_string(number);
      }
    default: break;
  }
  throw SettingsStoreError("setting \"" + std::string(key) + "\" has registry type " + std::to_string(type) +
                           ", not text");
}

void RegistrySettingsStore::Write(std::string_view key, std::string_view value) {
  const std::wstring name = ToWide(key, "setting name");
  const std::wstring text = ToWide(value, "setting value");
  // A NUL would cut the stored text short: what is read back would not be what was written.
  if (name.find(L'\0') != std::wstring::npos || text.find(L'\0') != std::wstring::npos) {
    throw SettingsStoreError("setting \"" + std::string(key) + "\": NUL characters cannot be stored");
  }
  UniqueHKey section;
  LSTATUS status = ::RegCreateKeyExW(root_, keyPath_.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                     KEY_SET_VALUE | view_, nullptr, section.put(), nullptr);
  if (status != ERROR_SUCCESS) ThrowWin32("creating the section to write", key, status);
  const auto bytes = static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t));
  status = ::RegSetValueExW(section.get(), name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()), bytes);
  if (status != ERROR_SUCCESS) ThrowWin32("writing", key, status);
}

}  // namespace quillmere
