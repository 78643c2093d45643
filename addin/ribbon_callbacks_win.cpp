#include "addin/ribbon_callbacks_win.h"

#include <new>
#include <string>
#include <system_error>

#include "addin/about_window_win.h"
#include "addin/document_map_win.h"
#include "addin/uninstall_message.h"
#include "common/product_info.h"

namespace quillmere {

namespace {

// Negative values are HRESULTs carried as they are; positive ones are Win32 error codes.
HRESULT CurrentExceptionResult() noexcept {
  try {
    throw;
  } catch (const std::system_error& error) {
    const int code = error.code().value();
    if (code < 0) return static_cast<HRESULT>(code);
    return code == 0 ? E_FAIL : HRESULT_FROM_WIN32(static_cast<DWORD>(code));
  } catch (const std::bad_alloc&) {
    return E_OUTOFMEMORY;
  } catch (...) {
    return E_FAIL;
  }
}

}  // namespace

HRESULT ShowAbout0(IDispatch*) noexcept {
  try {
    ShowAboutWindow();
    return S_OK;
  } catch (...) {
    return CurrentExceptionResult();
  }
}

HRESULT Uninstall0(IDispatch*) noexcept {
  try {
    // Owned by the host's active window, so the box is modal to it as well as to the caller.
    if (::MessageBoxW(::GetActiveWindow(), UninstallMessage().c_str(), kProductName, MB_OK) == 0) {
      return HRESULT_FROM_WIN32(::GetLastError());
    }
    return S_OK;
  } catch (...) {
    return CurrentExceptionResult();
  }
}

HRESULT Document0(IDispatch* application, IDispatch*) noexcept {
  try {
    if (!application) return E_UNEXPECTED;  // not connected yet
    ToggleDocumentMap(application);
    return S_OK;
  } catch (...) {
    return CurrentExceptionResult();
  }
}

bool AddinWindowsOpen() noexcept { return AboutWindowHandle() != nullptr; }

}  // namespace quillmere
