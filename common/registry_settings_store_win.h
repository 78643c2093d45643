#pragma once

#include <windows.h>

#include <string>

#include "common/settings_store.h"

namespace quillmere {

// The settings store on Windows: the per-user location that the classic per-application
// settings functions use, HKCU\Software\VB and VBA Program Settings\<application>\<section>,
// one string value per key. Value names compare without regard to case, as the registry does.
//
// Reading: REG_SZ and REG_EXPAND_SZ give their text (not expanded), a REG_DWORD that an
// administrator set gives its unsigned decimal text, any other type is a SettingsStoreError, and
// so is a value of more than 16 KiB, which is refused without being read.
// An absent application, section or value gives nothing. Writing creates what is missing and
// stores REG_SZ. Text is converted UTF-16 <-> UTF-8 without loss (see common/utf16_text.h).
class RegistrySettingsStore final : public SettingsStore {
 public:
  // The product's own store under the current user.
  RegistrySettingsStore();
  // Another application and section; the root is for tests that must not touch HKCU.
  RegistrySettingsStore(std::string_view application, std::string_view section, HKEY root = HKEY_CURRENT_USER);
  // Any key below the root, opened in the given registry view (0 for the caller's own).
  RegistrySettingsStore(HKEY root, std::wstring keyPath, REGSAM view);

  std::optional<std::string> Read(std::string_view key) const override;
  void Write(std::string_view key, std::string_view value) override;

  // The section's key path below the root, e.g. for tests and diagnostics.
  const std::wstring& KeyPath() const { return keyPath_; }

 private:
  HKEY root_;
  std::wstring keyPath_;
  REGSAM view_ = 0;
};

}  // namespace quillmere
