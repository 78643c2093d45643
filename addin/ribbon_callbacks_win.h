#pragma once

// The add-in's ribbon callbacks, as the Connect object hands them on. The ribbon control the
// host passes is never read, so any value, null included, is accepted. Every failure comes back
// as a failed HRESULT; nothing is shown and nothing escapes.

#include <windows.h>
#include <oaidl.h>

namespace quillmere {

// Shows the About window, modeless; a second call brings the same window forward.
HRESULT ShowAbout0(IDispatch* control) noexcept;

// Shows how to uninstall in a modal box, and returns when it is closed.
HRESULT Uninstall0(IDispatch* control) noexcept;

// Flips DocumentMap of the host's active window. `application` is the host's application object.
HRESULT Document0(IDispatch* application, IDispatch* control) noexcept;

// True while one of the add-in's windows is open: the library must not be unloaded then.
bool AddinWindowsOpen() noexcept;

}  // namespace quillmere
