#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace quillmere {

// Where a registry value's data comes from once the package is installed.
enum class InstallerValueSource {
  Literal,        // the text or number as given
  LibraryPath,    // full path of the installed Tessivar.dll
  LibraryFolder,  // the installed program folder, with a trailing backslash
};

enum class InstallerValueKind { String, Dword };

// One registry value that installing writes and uninstalling removes. The key is relative to
// the install root: below HKEY_CURRENT_USER for one user, HKEY_LOCAL_MACHINE for all users.
struct InstallerRegistryValue {
  std::string key;
  std::string name;  // empty: the key's default value
  InstallerValueKind kind = InstallerValueKind::String;
  InstallerValueSource source = InstallerValueSource::Literal;
  std::string text;
  std::uint32_t number = 0;
};

// Escapes text for a Windows Installer formatted column, so it is written exactly as given:
// brackets would otherwise name properties. (wixl itself doubles a leading '#' of a string
// value, which would otherwise mark a number.)
std::string EscapeFormatted(std::string_view text);

// The WiX include file that the package sources pull into the add-in's component: one
// RegistryValue element per value, written below the install root (HKMU). libraryFileId is the
// File Id of Tessivar.dll and folderId the Directory Id of the program folder. Throws
// std::invalid_argument for a value Windows Installer would not write exactly as given.
std::string WixRegistryInclude(std::span<const InstallerRegistryValue> values, std::string_view libraryFileId,
                               std::string_view folderId);

}  // namespace quillmere
