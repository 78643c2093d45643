// Quillmere.exe: the control panel. One window; it ends when the window closes.

#include <windows.h>
#include <commctrl.h>
#include <objbase.h>

#include "common/registry_policies_win.h"
#include "common/registry_settings_store_win.h"
#include "common/settings_store.h"
#include "common/window_helpers_win.h"
#include "panel/addin_installer_win.h"
#include "panel/settings_window_win.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
  using namespace quillmere;
  // The shell may use COM to start PowerPoint or open the web site.
  const HRESULT com = ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_TAB_CLASSES | ICC_STANDARD_CLASSES};
  ::InitCommonControlsEx(&controls);

  int result = 1;
  try {
    RegistrySettingsStore store;
    const RegistryPolicies policies;
    WindowsAddInInstaller installer(ProgramFolder());
    SettingsWindow window(instance, store, installer, policies.Sources());
    result = window.Run(showCommand);
  } catch (...) {
    // Nothing to show the failure in; end quietly.
  }
  if (SUCCEEDED(com)) ::CoUninitialize();
  return result;
}
