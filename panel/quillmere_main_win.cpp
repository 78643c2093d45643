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

namespace {

// Libraries loaded from here on by name (and the libraries those need) come from the system
// folder only, never from the program's folder, which may be a Downloads folder holding a
// planted library with a system name. Windows before 7 (Vista and 7 without update KB2533623)
// lacks the function: there the usual search order stays. The libraries the program imports are
// resolved before this runs; they are all system libraries.
void LoadLibrariesFromTheSystemFolderOnly() {
  using SetDefaultDllDirectoriesFunction = BOOL(WINAPI*)(DWORD);
  const auto setDefaultDllDirectories = quillmere::SystemFunction<SetDefaultDllDirectoriesFunction>(
      ::GetModuleHandleW(L"kernel32.dll"), "SetDefaultDllDirectories");
  if (setDefaultDllDirectories) setDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
  using namespace quillmere;
  LoadLibrariesFromTheSystemFolderOnly();
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
