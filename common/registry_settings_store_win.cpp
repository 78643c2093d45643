#include "common/registry_settings_store_win.h"

#include <cstring>
#include <utility>

#include "common/registry_win.h"
#include "common/utf16_text.h"
#include "common/windows_error_win.h"

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

// The store's own failure for a registry call that failed, in the words its messages have.
[[noreturn]] void ThrowStoreFailure(std::string_view action, std::string_view key, const WindowsError& error) {
  throw SettingsStoreError(std::string(action) + " setting \"" + std::string(key) + "\" failed (Windows error " +
                           std::to_string(error.Win32Code()) + ")");
}

template <typename Call>
auto AsStoreFailure(std::string_view action, std::string_view key, Call&& call) {
  try {
    return call();
  } catch (const WindowsError& error) {
    ThrowStoreFailure(action, key, error);
  }
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
  const auto section = AsStoreFailure("opening the section to read", key,
                                      [&] { return RegistryKey::Open(root_, keyPath_, KEY_QUERY_VALUE | view_); });
  if (!section) return std::nullopt;
  const auto value = AsStoreFailure("reading", key, [&] { return section->Read(name, kMaxValueBytes); });
  if (!value) return std::nullopt;
  if (value->oversized) {
    throw SettingsStoreError("setting \"" + std::string(key) + "\" holds " + std::to_string(value->size) +
                             " bytes, more than the " + std::to_string(kMaxValueBytes) + " a setting may have");
  }
  if (auto text = RegistryText(*value)) return WideToUtf8(*text);
  if (value->type == REG_DWORD && value->data.size() == sizeof(DWORD)) {
    DWORD number = 0;
    std::memcpy(&number, value->data.data(), sizeof number);
    return std::to_string(number);
  }
  throw SettingsStoreError("setting \"" + std::string(key) + "\" has registry type " + std::to_string(value->type) +
                           ", not text");
}

void RegistrySettingsStore::Write(std::string_view key, std::string_view value) {
  const std::wstring name = ToWide(key, "setting name");
  const std::wstring text = ToWide(value, "setting value");
  // A NUL would cut the stored text short: what is read back would not be what was written.
  if (name.find(L'\0') != std::wstring::npos || text.find(L'\0') != std::wstring::npos) {
    throw SettingsStoreError("setting \"" + std::string(key) + "\": NUL characters cannot be stored");
  }
  const RegistryKey section = AsStoreFailure("creating the section to write", key, [&] {
    return RegistryKey::Create(root_, keyPath_, KEY_SET_VALUE | view_);
  });
  AsStoreFailure("writing", key, [&] { section.WriteText(name, text); });
}

}  // namespace quillmere
