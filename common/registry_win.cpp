#include "common/registry_win.h"

#include <algorithm>
#include <cstring>

#include "common/utf16_text.h"
#include "common/windows_error_win.h"

namespace quillmere {
namespace {

// Most values the product reads are short: one call usually does.
constexpr DWORD kFirstReadBytes = 64;
// A value name never exceeds 16,383 characters.
constexpr DWORD kLongestValueName = 16384;

const wchar_t* ValueName(const std::wstring& name) { return name.empty() ? nullptr : name.c_str(); }

std::string Quoted(std::string_view what, const std::wstring& name) {
  return std::string(what) + " \"" + WideToUtf8(name) + "\"";
}

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
  if (status != ERROR_SUCCESS) ThrowWin32(Quoted("opening registry key", path), static_cast<DWORD>(status));
  return RegistryKey(key);
}

RegistryKey RegistryKey::Create(HKEY parent, const std::wstring& path, REGSAM access) {
  HKEY key = nullptr;
  const LSTATUS status =
      ::RegCreateKeyExW(parent, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, access, nullptr, &key, nullptr);
  if (status != ERROR_SUCCESS) ThrowWin32(Quoted("creating registry key", path), static_cast<DWORD>(status));
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
      ThrowWin32(Quoted("reading registry value", name), static_cast<DWORD>(status));
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

void RegistryKey::ForEachValue(DWORD maxBytes, const ValueVisitor& visit) const {
  std::wstring name(kLongestValueName, L'\0');
  std::vector<BYTE> data(1024);
  for (DWORD index = 0;;) {
    auto nameLength = static_cast<DWORD>(name.size());
    auto size = static_cast<DWORD>(data.size());
    DWORD type = 0;
    const LSTATUS status = ::RegEnumValueW(get(), index, name.data(), &nameLength, nullptr, &type, data.data(), &size);
    if (status == ERROR_NO_MORE_ITEMS) return;
    if ((status == ERROR_SUCCESS || status == ERROR_MORE_DATA) && size > maxBytes) {
      ++index;
      continue;
    }
    if (status == ERROR_MORE_DATA && size > data.size()) {
      data.resize(size);  // and read this value again
      continue;
    }
    if (status != ERROR_SUCCESS) ThrowWin32("listing registry values", static_cast<DWORD>(status));
    visit(std::wstring_view(name.data(), std::min<std::size_t>(nameLength, name.size())), type,
          std::span<const BYTE>(data.data(), std::min<std::size_t>(size, data.size())));
    ++index;
  }
}

void RegistryKey::WriteText(const std::wstring& name, const std::wstring& text) const {
  const auto bytes = static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t));
  const LSTATUS status =
      ::RegSetValueExW(get(), ValueName(name), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()), bytes);
  if (status != ERROR_SUCCESS) ThrowWin32(Quoted("writing registry value", name), static_cast<DWORD>(status));
}

void RegistryKey::WriteNumber(const std::wstring& name, DWORD number) const {
  const LSTATUS status =
      ::RegSetValueExW(get(), ValueName(name), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), sizeof number);
  if (status != ERROR_SUCCESS) ThrowWin32(Quoted("writing registry value", name), static_cast<DWORD>(status));
}

void RegistryKey::DeleteValue(const std::wstring& name) const {
  const LSTATUS status = ::RegDeleteValueW(get(), ValueName(name));
  if (status != ERROR_SUCCESS && status != ERROR_FILE_NOT_FOUND) {
    ThrowWin32(Quoted("deleting registry value", name), static_cast<DWORD>(status));
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
    ThrowWin32(Quoted("deleting registry key", path), static_cast<DWORD>(status));
  }
}

}  // namespace quillmere
