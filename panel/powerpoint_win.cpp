#include "panel/powerpoint_win.h"

#include <array>
#include <span>

#include "common/program_bitness.h"
#include "common/registry_win.h"
#include "common/unique_handle_win.h"
#include "common/utf16_text.h"
#include "common/window_helpers_win.h"
#include "common/windows_error_win.h"
#include "panel/disabled_items.h"
#include "panel/error_message.h"
#include "panel/powerpoint_search.h"

namespace quillmere {
namespace {

constexpr wchar_t kAppPaths[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\";

// Windows looks for "POWERPNT.EXE"; Wine looks the bare name up.
constexpr std::array<const wchar_t*, 2> kPowerPointNames = {L"POWERPNT.EXE", L"POWERPNT"};

std::wstring AsciiWide(std::string_view ascii) { return std::wstring(ascii.begin(), ascii.end()); }

// More than any path Windows allows (32,767 units) takes.
constexpr DWORD kLargestPathBytes = 65536;

// A text value with environment variables expanded and surrounding quotes removed; empty when
// it is missing, not text or cannot be read.
std::wstring ReadPath(HKEY root, const std::wstring& subKey, REGSAM view) {
  std::optional<RegistryValue> value;
  try {
    const auto key = RegistryKey::Open(root, subKey, KEY_QUERY_VALUE | view);
    if (key) value = key->Read(L"", kLargestPathBytes);
  } catch (const WindowsError&) {
    return {};
  }
  if (!value || value->oversized) return {};
  std::optional<std::wstring> text = RegistryText(*value);
  if (!text) return {};
  if (value->type == REG_EXPAND_SZ) {
    std::wstring expanded(32768, L'\0');
    const DWORD length = ::ExpandEnvironmentStringsW(text->c_str(), expanded.data(), 32768);
    if (length == 0 || length > 32768) return {};
    expanded.resize(length - 1);
    text = expanded;
  }
  if (text->size() >= 2 && text->front() == L'"' && text->back() == L'"') return text->substr(1, text->size() - 2);
  return *text;
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

// More than any item of ours can take: a path as long as Windows allows (32,767 units), our
// friendly name and the header.
constexpr DWORD kLargestItemBytes = 1u << 20;

// The first failure of a scan, in the words the user is told; the scan goes on after it.
void Note(std::optional<WindowsError>& first, const std::string& what, const WindowsError& error) {
  if (!first) first.emplace(what, error.Status());
}

// Names of the values that disable one of the libraries; a read failure is noted and ends the
// walk, and the values found before it still count.
std::vector<std::wstring> ItemsToRemove(const RegistryKey& items, const std::vector<std::u16string>& libraries,
                                        const std::string& where, std::optional<WindowsError>& failure) {
  std::vector<std::wstring> found;
  try {
    items.ForEachValue(kLargestItemBytes, [&](std::wstring_view name, DWORD type, std::span<const BYTE> data) {
      if (type == REG_BINARY && DisablesOneOf(std::as_bytes(data), libraries, SameFileNameText))
        found.emplace_back(name);
    });
  } catch (const WindowsError& error) {
    Note(failure, "Reading PowerPoint's disabled items in " + where, error);
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
  std::optional<WindowsError> failure;
  for (const std::string_view keyName : kDisabledItemsKeys) {
    const std::string where = "HKEY_CURRENT_USER\\" + std::string(keyName);
    std::optional<RegistryKey> items;
    try {
      items = RegistryKey::Open(HKEY_CURRENT_USER, AsciiWide(keyName), KEY_QUERY_VALUE | KEY_SET_VALUE);
    } catch (const WindowsError& error) {
      Note(failure, "Opening " + where, error);
    }
    if (!items) continue;
    for (const auto& name : ItemsToRemove(*items, paths, where, failure)) {
      try {
        items->DeleteValue(name);
      } catch (const WindowsError& error) {
        Note(failure, "Removing the disabled item \"" + Narrowed(name) + "\" from " + where, error);
      }
    }
  }
  if (failure) throw StepFailure(failure->what());
}

}  // namespace quillmere
