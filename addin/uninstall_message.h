#pragma once

#include <string>

namespace quillmere {

// How to remove the product, as the Help menu's Uninstall entry shows it: one line of
// instruction, a blank line, the Start-menu path. Lines end in a bare carriage return.
std::wstring UninstallMessage();

}  // namespace quillmere
