#pragma once

// Where the control panel looks for PowerPoint's program when no App Paths entry names it.

#include <string>
#include <string_view>
#include <vector>

namespace quillmere {

// A path that names the same file whatever the current folder and drive are: "C:\..." or a
// network share ("\\server\..."). "\folder", "C:folder", "." and bare names depend on them.
bool IsFullPath(std::wstring_view path);

// POWERPNT.EXE in each folder the shell searches for the bare name "POWERPNT", in its order,
// without the working folder: the system folder, the Windows folder, then the entries of PATH
// (surrounding quotes removed). What is not a full path is left out, so no file is looked for
// relative to the current folder, which may be the program's own (a Downloads folder, say).
std::vector<std::wstring> PowerPointCandidates(std::wstring_view systemFolder, std::wstring_view windowsFolder,
                                               std::wstring_view pathVariable);

}  // namespace quillmere
