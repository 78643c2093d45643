#include "addin/registration_win.h"

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "addin/module_win.h"
#include "common/program_bitness.h"
#include "common/registration_table.h"
#include "common/registry_win.h"
#include "common/utf16_text.h"

namespace quillmere {
namespace {

void WriteEntry(const RegistrationEntry& entry, const std::wstring& modulePath, const std::wstring& moduleFolder) {
  const RegistryKey key = RegistryKey::Create(HKEY_CURRENT_USER, Utf8ToWide(entry.key), KEY_SET_VALUE);
  const std::wstring name = Utf8ToWide(entry.name);
  switch (entry.data) {
    case RegistrationData::Text: key.WriteText(name, Utf8ToWide(entry.text)); break;
    case RegistrationData::ModulePath: key.WriteText(name, modulePath); break;
    case RegistrationData::ModuleFolder: key.WriteText(name, moduleFolder); break;
    case RegistrationData::Number: key.WriteNumber(name, entry.number); break;
  }
}

// An absent key or value counts as deleted.
void DeleteValue(const RegistrationEntry& entry) {
  const auto key = RegistryKey::Open(HKEY_CURRENT_USER, Utf8ToWide(entry.key), KEY_SET_VALUE);
  if (key) key->DeleteValue(Utf8ToWide(entry.name));
}

// Deletes the key if it holds no values and no subkeys; an absent key is fine.
void DeleteIfEmpty(const std::wstring& path) {
  const bool empty = [&] {
    const auto key = RegistryKey::Open(HKEY_CURRENT_USER, path, KEY_QUERY_VALUE);
    return key && key->IsEmpty();
  }();
  if (empty) DeleteRegistryKey(HKEY_CURRENT_USER, path);
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
