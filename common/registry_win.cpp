#include "common/registry_win.h"

#include <algorithm>
#include <cstring>

#include "common/windows_error_win.h"

namespace quillmere {
namespace {

// Most values the product reads are short: one call usually does.
constexpr DWORD kFirstReadBytes = 64;
// A value name never exceeds 16,383 characters.
constexpr DWORD kLongestValueName = 16384;

const wchar_t* ValueName(const std::wstring& name) { return name.empty() ? nullptr : name.c_str(); }

}  // namespace

std::optional<std::wstring> RegistryText(const RegistryValue& value) {
  if (value.type != REG_SZ && value.type != REG_EXPAND_SZ) return std::nullopt;
  std::wstring text(value.data.size() / sizeof(wchar_t), L'\0');
  if (!text.empty()) std::memcpy(text.data(), value.data.data(), text.size() * sizeof(wchar_t));
  if (const auto end = text.find(L'\0'); end != std::wstring::npos) text.resize(end);
  return text;
}

std::optional<RegistryKey> RegistryKey::Open(HKEY parent, const std::wstring& path, REGSAM access) {
  HKEY key = nullptr;
  const LSTATUS status = ::RegOpenKeyExW(parent, path.c_str(), 0, access, &key);
  if (status == ERROR_FILE_NOT_FOUND) return std::nullopt;
  if (status != ERROR_SUCCESS) ThrowWin32("opening registry key", static_cast<DWORD>(status));
  return RegistryKey(key);
}

RegistryKey RegistryKey::Create(HKEY parent, const std::wstring& path, REGSAM access) {
  HKEY key = nullptr;
  CheckWin32(
      ::RegCreateKeyExW(parent, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, access, nullptr, &key, nullptr),
      "creating registry key");
  return RegistryKey(key);
}

std::optional<RegistryValue> RegistryKey::Read(const std::wstring& name, DWORD maxBytes) const {
  RegistryValue value;
  std::vector<BYTE> data(kFirstReadBytes);
  // The value may grow between asking its size and reading it: ask again then.
  for (;;) {
    DWORD size = static_cast<DWORD>(data.size());
    const LSTATUS status = ::RegQueryValueExW(get(), ValueName(name), nullptr, &value.type, data.data(), &size);
    if (status == ERROR_FILE_NOT_FOUND) return std::nullopt;
    if (status != ERROR_SUCCESS && status != ERROR_MORE_DATA) {
      ThrowWin32("reading registry value", static_cast<DWORD>(status));
    }
    value.size = size;
    if (size > maxBytes) {
      value.oversized = true;
      return value;
    }
    if (status == ERROR_SUCCESS) {
      data.resize(size);
      value.data = std::move(data);
      return value;
    }
    data.resize(size + sizeof(wchar_t));  // and a terminator's room to spare
  }
}

bool RegistryKey::NextValue(DWORD maxBytes, ValueCursor& cursor) const {
  if (cursor.name.empty()) cursor.name.resize(kLongestValueName);
  if (cursor.data.empty()) cursor.data.resize(1024);
  for (;;) {
    auto nameLength = static_cast<DWORD>(cursor.name.size());
    auto size = static_cast<DWORD>(cursor.data.size());
    const LSTATUS status = ::RegEnumValueW(get(), cursor.index, cursor.name.data(), &nameLength, nullptr, &cursor.type,
                                           cursor.data.data(), &size);
    if (status == ERROR_NO_MORE_ITEMS) return false;
    if ((status == ERROR_SUCCESS || status == ERROR_MORE_DATA) && size > maxBytes) {
      ++cursor.index;
      continue;
    }
    if (status == ERROR_MORE_DATA && size > cursor.data.size()) {
      cursor.data.resize(size);  // and read this value again
      continue;
    }
    if (status != ERROR_SUCCESS) ThrowWin32("listing registry values", static_cast<DWORD>(status));
    ++cursor.index;
    cursor.nameLength = std::min<DWORD>(nameLength, static_cast<DWORD>(cursor.name.size()));
    cursor.size = std::min<DWORD>(size, static_cast<DWORD>(cursor.data.size()));
    return true;
  }
}

void RegistryKey::WriteText(const std::wstring& name, const std::wstring& text) const {
  const auto bytes = static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t));
  CheckWin32(::RegSetValueExW(get(), ValueName(name), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()), bytes),
             "writing registry value");
}

void RegistryKey::WriteNumber(const std::wstring& name, DWORD number) const {
  CheckWin32(
      ::RegSetValueExW(get(), ValueName(name), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), sizeof number),
      "writing registry value");
}

void RegistryKey::DeleteValue(const std::wstring& name) const {
  const LSTATUS status = ::RegDeleteValueW(get(), ValueName(name));
  if (status != ERROR_SUCCESS && status != ERROR_FILE_NOT_FOUND) {
    ThrowWin32("deleting registry value", static_cast<DWORD>(status));
  }
}

void RegistryKey::DeleteSubkey(const std::wstring& path) const { DeleteRegistryKey(get(), path); }

bool RegistryKey::IsEmpty() const {
  DWORD subkeys = 0;
  DWORD values = 0;
  CheckWin32(::RegQueryInfoKeyW(get(), nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr, &values, nullptr, nullptr,
                                nullptr, nullptr),
             "counting registry values");
  return subkeys == 0 && values == 0;
}

void DeleteRegistryKey(HKEY parent, const std::wstring& path) {
  const LSTATUS status = ::RegDeleteKeyW(parent, path.c_str());
  if (status != ERROR_SUCCESS && status != ERROR_FILE_NOT_FOUND) {
    ThrowWin32("deleting registry key", static_cast<DWORD>(status));
  }
}

}  // namespace quillmere
