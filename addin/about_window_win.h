#pragma once

// The add-in's About window: modeless, on the calling (host's UI) thread, one at a time.

#include <windows.h>

#include "common/texts/ui_language.h"

namespace quillmere {

// Shows the About window in that language, loading it first when it is not open; a window
// already open is brought to the front and keeps its state (and language). Throws
// WindowsError when loading fails, and then leaves no window behind.
void ShowAboutWindow(UiLanguage language = UiLanguage::English);

// The open About window, or null. The library must stay loaded while there is one.
HWND AboutWindowHandle() noexcept;

// Unloads the About window, if one is open, as its OK button does: with it go its keyboard hook
// and its window class.
void CloseAboutWindow() noexcept;

}  // namespace quillmere
