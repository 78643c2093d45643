#include "panel/powerpoint_win.h"

#include <algorithm>
#include <array>
#include <span>

#include "common/program_bitness.h"
#include "common/unique_handle_win.h"
#include "common/utf16_text.h"
#include "common/window_helpers_win.h"
#include "panel/disabled_items.h"
#include "panel/error_message.h"
#include "panel/powerpoint_search.h"

namespace quillmere {
namespace {

constexpr wchar_t kAppPaths[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\";

// Windows looks for "POWERPNT.EXE"; Wine looks the bare name up.
constexpr std::array<const wchar_t*, 2> kPowerPointNames = {L"POWERPNT.EXE", L"POWERPNT"};

std::wstring AsciiWide(std::string_view ascii) { return std::wstring(ascii.begin(), ascii.end()); }

// A text value with environment variables expanded and surrounding quotes removed; empty when
// it is missing or not text.
std::wstring ReadPath(HKEY root, const std::wstring& subKey, REGSAM view) {
  UniqueHKey key;
  if (::RegOpenKeyExW(root, subKey.c_str(), 0, KEY_QUERY_VALUE | view, key.put()) != ERROR_SUCCESS) {
    key.release();  // the slot may hold garbage after a failure
    return {};
  }
  DWORD type = 0, size = 0;
  if (::RegQueryValueExW(key.get(), nullptr, nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
      (type != REG_SZ && type != REG_EXPAND_SZ) || size > 65536) {
    return {};
  }
  std::wstring text(size / sizeof(wchar_t) + 1, L'\0');
  if (::RegQueryValueExW(key.get(), nullptr, nullptr, &type, reinterpret_cast<BYTE*>(text.data()), &size) !=
      ERROR_SUCCESS) {
    return {};
  }
  text.resize(size / sizeof(wchar_t));
  text.resize(text.find(L'\0') == std::wstring::npos ? text.size() : text.find(L'\0'));
  if (type == REG_EXPAND_SZ) {
    std::wstring expanded(32768, L'\0');
    const DWORD length = ::ExpandEnvironmentStringsW(text.c_str(), expanded.data(), 32768);
    if (length == 0 || length > 32768) return {};
    expanded.resize(length - 1);
    text = expanded;
  }
  if (text.size() >= 2 && text.front() == L'"' && text.back() == L'"') text = text.substr(1, text.size() - 2);
  return text;
}

// The machine's Windows folder, never a user's own copy of it (as terminal servers give some
// programs).
std::wstring WindowsFolder() {
  wchar_t folder[MAX_PATH] = {};
  const UINT length = ::GetSystemWindowsDirectoryW(folder, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return {};
  return std::wstring(folder, length);
}

std::wstring EnvironmentPath() {
  std::wstring text(32767, L'\0');
  const DWORD length = ::GetEnvironmentVariableW(L"PATH", text.data(), static_cast<DWORD>(text.size()));
  if (length == 0 || length >= text.size()) return {};
  text.resize(length);
  return text;
}

REGSAM OtherView() {
  return RegistryView(kThisBuild == ModuleBitness::Bits64 ? ModuleBitness::Bits32 : ModuleBitness::Bits64);
}

std::string Narrowed(const std::wstring& text) { return WideToUtf8(text); }

void NoteFailure(std::string& failure, const std::string& what, LONG error) {
  if (failure.empty()) failure = what + " failed (error " + std::to_string(error) + ")";
}

// More than any item of ours can take: a path as long as Windows allows (32,767 units), our
// friendly name and the header.
constexpr DWORD kLargestItemBytes = 1u << 20;

// A value name never exceeds 16,383 characters.
constexpr std::size_t kLongestValueName = 16384;

// Names of the values that disable one of the libraries; a read failure is noted. Each value is
// read with room for the size the registry reports for it.
std::vector<std::wstring> ItemsToRemove(HKEY items, const std::vector<std::u16string>& libraries,
                                        const std::string& where, std::string& failure) {
  std::vector<std::wstring> found;
  std::wstring name(kLongestValueName, L'\0');
  std::vector<BYTE> data(1024);
  for (DWORD index = 0;;) {
    DWORD nameLength = static_cast<DWORD>(name.size());
    DWORD size = static_cast<DWORD>(data.size());
    DWORD type = 0;
    const LONG read = ::RegEnumValueW(items, index, name.data(), &nameLength, nullptr, &type, data.data(), &size);
    if (read == ERROR_NO_MORE_ITEMS) break;
    if (read == ERROR_MORE_DATA && size > kLargestItemBytes) {
      ++index;  // not one of ours
      continue;
    }
    if (read == ERROR_MORE_DATA && size > data.size()) {
      data.resize(size);  // and read this value again
      continue;
    }
    if (read != ERROR_SUCCESS) {
      NoteFailure(failure, "Reading PowerPoint's disabled items in " + where, read);
      break;
    }
    const auto bytes = std::as_bytes(std::span(data.data(), std::min<std::size_t>(size, data.size())));
    if (type == REG_BINARY && DisablesOneOf(bytes, libraries, SameFileNameText))
      found.emplace_back(name.data(), std::min<std::size_t>(nameLength, name.size()));
    ++index;
  }
  return found;
}

}  // namespace

REGSAM RegistryView(ModuleBitness bitness) {
  return bitness == ModuleBitness::Bits64 ? KEY_WOW64_64KEY : KEY_WOW64_32KEY;
}

std::wstring PowerPointProgramPath() {
  for (const REGSAM view : {REGSAM{0}, OtherView()}) {
    for (const HKEY root : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE}) {
      for (const wchar_t* name : kPowerPointNames) {
        std::wstring path = ReadPath(root, std::wstring(kAppPaths) + name, view);
        if (IsFullPath(path)) return path;
      }
    }
  }
  for (const auto& candidate : PowerPointCandidates(SystemFolder(), WindowsFolder(), EnvironmentPath())) {
    if (FileExists(candidate)) return candidate;
  }
  return {};
}

std::optional<ModuleBitness> FileBitness(const std::wstring& path) {
  HANDLE opened = ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (opened == INVALID_HANDLE_VALUE) return std::nullopt;
  const UniqueKernelHandle file(opened);
  std::array<std::byte, kProgramHeaderBytes> bytes{};
  DWORD read = 0;
  if (!::ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr)) return std::nullopt;
  return ProgramBitness(std::span(bytes.data(), read));
}

std::vector<std::wstring> RegisteredLibraries(REGSAM view) {
  const std::wstring server =
      L"Software\\Classes\\CLSID\\" + std::wstring(std::wstring_view(Widened(kConnectClsid))) + L"\\InprocServer32";
  std::vector<std::wstring> libraries;
  for (const HKEY root : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE}) {
    std::wstring path = ReadPath(root, server, view);
    if (!path.empty()) libraries.push_back(std::move(path));
  }
  return libraries;
}

void RemoveDisabledLibraries(const std::vector<std::wstring>& libraries) {
  std::vector<std::u16string> paths;
  for (const auto& library : libraries) paths.emplace_back(library.begin(), library.end());
  std::string failure;
  for (const std::string_view keyName : kDisabledItemsKeys) {
    const std::string where = "HKEY_CURRENT_USER\\" + std::string(keyName);
    UniqueHKey items;
    const LONG opened =
        ::RegOpenKeyExW(HKEY_CURRENT_USER, AsciiWide(keyName).c_str(), 0, KEY_QUERY_VALUE | KEY_SET_VALUE, items.put());
    if (opened != ERROR_SUCCESS) {
      items.release();
      if (opened != ERROR_FILE_NOT_FOUND) NoteFailure(failure, "Opening " + where, opened);
      continue;
    }
    for (const auto& name : ItemsToRemove(items.get(), paths, where, failure)) {
      const LONG removed = ::RegDeleteValueW(items.get(), name.c_str());
      if (removed != ERROR_SUCCESS && removed != ERROR_FILE_NOT_FOUND)
        NoteFailure(failure, "Removing the disabled item \"" + Narrowed(name) + "\" from " + where, removed);
    }
  }
  if (!failure.empty()) throw StepFailure(failure);
}

}  // namespace quillmere
