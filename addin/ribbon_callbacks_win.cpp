#include "addin/ribbon_callbacks_win.h"

#include "addin/about_window_win.h"
#include "addin/com_boundary_win.h"
#include "addin/document_map_win.h"
#include "addin/late_binding_win.h"
#include "addin/uninstall_message.h"
#include "common/product_info.h"
#include "common/utf16_text.h"

namespace quillmere {

void ShowUninstallMessage(UiLanguage language) {
  // Owned by the host's active window, so the box is modal to it as well as to the caller.
  const std::wstring message = Utf8ToWide(UninstallMessageText(language));
  if (::MessageBoxW(::GetActiveWindow(), message.c_str(), kProductNameWide.c_str(), MB_OK) == 0) ThrowLastError();
}

void FlipDocumentMap(IDispatch* application) {
  if (!application) ThrowHResult(E_UNEXPECTED);  // not connected yet
  ToggleDocumentMap(application);
}

bool AddinWindowsOpen() noexcept { return AboutWindowHandle() != nullptr; }

void CloseAddinWindows() noexcept { CloseAboutWindow(); }

}  // namespace quillmere
