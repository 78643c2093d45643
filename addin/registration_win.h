#pragma once

#include <windows.h>

namespace quillmere {

// DllRegisterServer: writes every entry of the registration table (common/registration_table.h)
// below HKEY_CURRENT_USER, for this module's path. Writing again is harmless.
// Both throw WindowsError on a failure.
void RegisterAddin();

// DllUnregisterServer: removes exactly the values the table names, then each key on their way
// that is left empty, up to the table's top keys. Values and keys that others added stay, and
// what is already gone counts as removed.
void UnregisterAddin();

}  // namespace quillmere
