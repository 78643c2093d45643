#pragma once

#include <string>

#include "common/texts/ui_language.h"

namespace quillmere {

// How to remove the product, as the Help menu's Uninstall entry shows it: one line of
// instruction, a blank line, the Start-menu path. Lines end in a bare carriage return. The
// product's folder and shortcut keep the names the installer gives them, in every language.
std::string UninstallMessageText(UiLanguage language);

}  // namespace quillmere
