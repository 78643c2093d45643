#pragma once

// What the add-in's ribbon callbacks do, behind the Connect object's error boundary. The ribbon
// control the host passes is never read. Failures are thrown; Connect turns them into HRESULTs.

#include <windows.h>
#include <oaidl.h>

#include "common/texts/ui_language.h"

namespace quillmere {

// Shows how to uninstall in a modal box, in that language, and returns when it is closed.
void ShowUninstallMessage(UiLanguage language);

// Flips DocumentMap of the host's active window. `application` is the host's application
// object, null before the connection (then the call is out of order: E_UNEXPECTED).
void FlipDocumentMap(IDispatch* application);

// True while one of the add-in's windows is open: the library must not be unloaded then.
bool AddinWindowsOpen() noexcept;

// Closes the add-in's windows and whatever they hooked, before the host lets go of the library.
void CloseAddinWindows() noexcept;

}  // namespace quillmere
