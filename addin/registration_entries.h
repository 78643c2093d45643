#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace quillmere {

// Identifiers of the add-in's COM class, its type library and its dual interface. The IDL
// declares the same values.
inline constexpr std::string_view kConnectProgId = "Halverin.Connect";
inline constexpr std::string_view kConnectClsid = "{F014F2C8-2CE5-4C03-86A8-6DC0B6349C47}";
inline constexpr std::string_view kHalverinLibId = "{D01D3003-E0B7-4D5A-B6B1-703ACD451372}";
inline constexpr std::string_view kConnectDispatchIid = "{2AF5246C-DC03-45AF-A13B-42B825AC1358}";

enum class RegistrationData {
  Text,          // the entry's text
  Number,        // the entry's number, as REG_DWORD
  ModulePath,    // full path of Tessivar.dll as loaded
  ModuleFolder,  // the folder holding Tessivar.dll, with a trailing backslash
};

// One registry value that registering the add-in writes, below HKEY_CURRENT_USER. The one list
// that DllRegisterServer walks and the installer packages are generated from, so the two
// cannot differ.
struct RegistrationEntry {
  std::string_view key;
  std::string_view name;  // empty: the key's default value
  RegistrationData data;
  std::string_view text;
  std::uint32_t number;
};

enum class ModuleBitness { Bits32, Bits64 };

// Every value registration writes. The type library entry names the
// module's platform ("win32" or "win64"), so each build has its own list.
std::span<const RegistrationEntry> RegistrationEntries(ModuleBitness bitness);

// The keys unregistering deletes with everything below them; together they hold every entry.
std::span<const std::string_view> RegistrationKeys();

}  // namespace quillmere
