#pragma once

// Where COM and PowerPoint find the add-in: each name and registry path is spelled once here,
// and registration, unregistration, the control panel's add-in entry, the installer package and
// the test host all take it from this file.

#include <cstdint>
#include <span>
#include <string_view>

#include "common/joined_text.h"

namespace quillmere {

// The add-in's COM class, its type library and its dual interface; the IDL declares the same.
inline constexpr auto kConnectProgId = Join("Halverin.Connect");
inline constexpr auto kConnectClsid = Join("{F014F2C8-2CE5-4C03-86A8-6DC0B6349C47}");
inline constexpr auto kHalverinLibId = Join("{D01D3003-E0B7-4D5A-B6B1-703ACD451372}");
inline constexpr auto kConnectDispatchIid = Join("{2AF5246C-DC03-45AF-A13B-42B825AC1358}");

// PowerPoint's add-in list, below HKEY_CURRENT_USER (HKEY_LOCAL_MACHINE for all users): one
// subkey per add-in, named by its ProgID.
inline constexpr auto kPowerPointAddInList = Join("Software\\Microsoft\\Office\\PowerPoint\\AddIns");
inline constexpr auto kAddInEntryKey = Join(kPowerPointAddInList, "\\", kConnectProgId);

enum class RegistrationData {
  Text,          // the entry's text
  Number,        // the entry's number, as REG_DWORD
  ModulePath,    // full path of Tessivar.dll as loaded
  ModuleFolder,  // the folder holding Tessivar.dll, with a trailing backslash
};

// One registry value that registering the add-in writes, below HKEY_CURRENT_USER.
struct RegistrationEntry {
  std::string_view key;
  std::string_view name;  // empty: the key's default value
  RegistrationData data;
  std::string_view text;
  std::uint32_t number;
};

enum class ModuleBitness { Bits32, Bits64 };

// Every value registration writes, in the order it writes them. The type library entry names
// the module's platform ("win32" or "win64"), so each build has its own list.
std::span<const RegistrationEntry> RegistrationEntries(ModuleBitness bitness);

// The keys unregistering deletes with everything below them; together they hold every entry.
std::span<const std::string_view> RegistrationKeys();

}  // namespace quillmere
