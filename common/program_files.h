#pragma once

// Files the deliverables look for beside their own file. Paths are Windows paths held as wide
// text, so a program folder with any characters works.

#include <string>
#include <string_view>

namespace quillmere {

// The folder part of a file path, without a trailing separator ("C:\A\b.dll" -> "C:\A").
// A path without a separator has no folder: the result is empty.
std::wstring ParentFolder(std::wstring_view filePath);

// The optional hand pointer shown over links and buttons.
std::wstring HandCursorPath(std::wstring_view programFolder);

}  // namespace quillmere
