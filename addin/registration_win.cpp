#include "addin/registration_win.h"

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "addin/module_win.h"
#include "common/program_bitness.h"
#include "common/registration_table.h"
#include "common/unique_handle_win.h"
#include "common/utf16_text.h"
#include "common/windows_error_win.h"

namespace quillmere {
namespace {

void Check(LSTATUS status) { CheckWin32(status, "registering the add-in"); }

void WriteText(HKEY key, const std::wstring& name, const std::wstring& text) {
  Check(::RegSetValueExW(key, name.empty() ? nullptr : name.c_str(), 0, REG_SZ,
                         reinterpret_cast<const BYTE*>(text.c_str()),
                         static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t))));
}

void WriteEntry(const RegistrationEntry& entry, const std::wstring& modulePath, const std::wstring& moduleFolder) {
  UniqueHKey key;
  Check(::RegCreateKeyExW(HKEY_CURRENT_USER, Utf8ToWide(entry.key).c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                          KEY_SET_VALUE, nullptr, key.put(), nullptr));
  const std::wstring name = Utf8ToWide(entry.name);
  switch (entry.data) {
    case RegistrationData::Text: WriteText(key.get(), name, Utf8ToWide(entry.text)); break;
    case RegistrationData::ModulePath: WriteText(key.get(), name, modulePath); break;
    case RegistrationData::ModuleFolder: WriteText(key.get(), name, moduleFolder); break;
    case RegistrationData::Number: {
      const DWORD number = entry.number;
      Check(::RegSetValueExW(key.get(), name.empty() ? nullptr : name.c_str(), 0, REG_DWORD,
                             reinterpret_cast<const BYTE*>(&number), sizeof number));
      break;
    }
  }
}

// An absent key or value counts as deleted.
void DeleteValue(const RegistrationEntry& entry) {
  UniqueHKey key;
  LSTATUS status = ::RegOpenKeyExW(HKEY_CURRENT_USER, Utf8ToWide(entry.key).c_str(), 0, KEY_SET_VALUE, key.put());
  if (status == ERROR_FILE_NOT_FOUND) return;
  Check(status);
  const std::wstring name = Utf8ToWide(entry.name);
  status = ::RegDeleteValueW(key.get(), name.empty() ? nullptr : name.c_str());
  if (status != ERROR_FILE_NOT_FOUND) Check(status);
}

// Deletes the key if it holds no values and no subkeys; an absent key is fine.
void DeleteIfEmpty(const std::wstring& path) {
  UniqueHKey key;
  LSTATUS status = ::RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, KEY_QUERY_VALUE, key.put());
  if (status == ERROR_FILE_NOT_FOUND) return;
  Check(status);
  DWORD subkeys = 0;
  DWORD values = 0;
  Check(::RegQueryInfoKeyW(key.get(), nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr, &values, nullptr, nullptr,
                           nullptr, nullptr));
  key.reset();
  if (subkeys != 0 || values != 0) return;
  status = ::RegDeleteKeyW(HKEY_CURRENT_USER, path.c_str());
  if (status != ERROR_FILE_NOT_FOUND) Check(status);
}

// Every key the table's values live in, and each key between it and the table's top key that
// holds it: these are the keys registration may have created.
std::set<std::string> KeysToPrune() {
  std::set<std::string> keys;
  for (const RegistrationEntry& entry : RegistrationEntries(kThisBuild)) {
    for (std::string_view top : RegistrationKeys()) {
      if (entry.key != top && !(entry.key.starts_with(top) && entry.key[top.size()] == '\\')) continue;
      std::string_view path = entry.key;
      while (path.size() >= top.size()) {
        keys.emplace(path);
        path = path.substr(0, path.rfind('\\'));
      }
    }
  }
  return keys;
}

}  // namespace

void RegisterAddin() {
  const std::wstring modulePath = ThisModulePath();
  const std::wstring moduleFolder = modulePath.substr(0, modulePath.rfind(L'\\') + 1);
  // In table order: the class comes before the add-in list entry, so the host never finds an
  // entry whose class is not registered yet.
  for (const RegistrationEntry& entry : RegistrationEntries(kThisBuild)) WriteEntry(entry, modulePath, moduleFolder);
}

void UnregisterAddin() {
  for (const RegistrationEntry& entry : RegistrationEntries(kThisBuild)) DeleteValue(entry);
  // Deepest first, so that a parent is looked at after its children are gone.
  std::vector<std::string> keys;
  for (const std::string& key : KeysToPrune()) keys.push_back(key);
  std::ranges::sort(keys, [](const std::string& a, const std::string& b) {
    return std::ranges::count(a, '\\') > std::ranges::count(b, '\\');
  });
  for (const std::string& key : keys) DeleteIfEmpty(Utf8ToWide(key));
}

}  // namespace quillmere
