#include "addin/ribbon_callbacks_win.h"

#include "addin/about_window_win.h"
#include "addin/com_boundary_win.h"
#include "addin/document_map_win.h"
#include "addin/late_binding_win.h"
#include "addin/uninstall_message.h"
#include "common/product_info.h"

namespace quillmere {

void ShowUninstallMessage() {
  // Owned by the host's active window, so the box is modal to it as well as to the caller.
  if (::MessageBoxW(::GetActiveWindow(), UninstallMessage().c_str(), kProductName, MB_OK) == 0) ThrowLastError();
}

void FlipDocumentMap(IDispatch* application) {
  if (!application) ThrowHResult(E_UNEXPECTED);  // not connected yet
  ToggleDocumentMap(application);
}

bool AddinWindowsOpen() noexcept { return AboutWindowHandle() != nullptr; }

void CloseAddinWindows() noexcept { CloseAboutWindow(); }

}  // namespace quillmere
