#include "addin/ribbon_callbacks_win.h"

#include "addin/about_window_win.h"
#include "addin/document_map_win.h"
#include "addin/uninstall_message.h"
#include "common/product_info.h"
#include "common/utf16_text.h"
#include "common/windows_error_win.h"

namespace quillmere {

void ShowUninstallMessage(UiLanguage language) {
  // Owned by the host's active window, so the box is modal to it as well as to the caller.
  const std::wstring message = Utf8ToWide(UninstallMessageText(language));
  CheckLastError(::MessageBoxW(::GetActiveWindow(), message.c_str(), kProductNameWide.c_str(), MB_OK) != 0,
                 "showing the uninstall message");
}

void FlipDocumentMap(IDispatch* application) {
  if (!application) ThrowHResult("switching the document map before connecting", E_UNEXPECTED);
  ToggleDocumentMap(application);
}

bool AddinWindowsOpen() noexcept { return AboutWindowHandle() != nullptr; }

void CloseAddinWindows() noexcept { CloseAboutWindow(); }

}  // namespace quillmere
