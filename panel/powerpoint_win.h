#pragma once

// What the control panel reads of PowerPoint's installation, and the disabled items it mends.

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/file_name_text_win.h"  // the comparison the disabled items are matched by
#include "common/registration_table.h"

namespace quillmere {

// PowerPoint's program, which OK checks and starts: the full path its App Paths entry names
// (under "POWERPNT.EXE" or "POWERPNT"), the user's before the machine's, in this program's
// registry view and then in the other one (on 64-bit Windows a 32-bit PowerPoint may be entered
// only there). Without such an entry, the first POWERPNT.EXE of PowerPointCandidates. Empty when
// there is none.
std::wstring PowerPointProgramPath();

// The bitness of the program or library file; none when it cannot be read or is neither x86
// nor x64.
std::optional<ModuleBitness> FileBitness(const std::wstring& path);

// The registry view a process of that bitness sees.
REGSAM RegistryView(ModuleBitness bitness);

// The libraries the add-in's class is registered with in that view, the user's before the
// machine's: the first is the one COM loads.
std::vector<std::wstring> RegisteredLibraries(REGSAM view);

// Deletes from every PowerPoint version's disabled items the values that name one of the
// libraries; every other value stays as it is, and one too large to be an item is passed over.
// Throws StepFailure, after trying every value, when one could not be read or deleted.
void RemoveDisabledLibraries(const std::vector<std::wstring>& libraries);

}  // namespace quillmere
