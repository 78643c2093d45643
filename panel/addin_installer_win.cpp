#include "panel/addin_installer_win.h"

#include "common/registration_table.h"
#include "common/unique_handle_win.h"
#include "common/window_helpers_win.h"
#include "panel/powerpoint_win.h"

namespace quillmere {

WindowsAddInInstaller::WindowsAddInInstaller(std::wstring programFolder, DWORD waitMilliseconds)
    : programFolder_(std::move(programFolder)), waitMilliseconds_(waitMilliseconds) {}

bool WindowsAddInInstaller::RunRegistration(Registration action) const noexcept {
  try {
    const std::wstring systemFolder = SystemFolder();
    if (systemFolder.empty() || programFolder_.empty()) return false;
    const std::wstring program = RegistrationProgramPath(systemFolder);
    std::wstring commandLine = RegistrationCommandLine(action, AddInLibraryPath(programFolder_));
    if (commandLine.empty()) return false;

    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWMINIMIZED;
    PROCESS_INFORMATION process{};
    // The program is named by its full path, so no other folder is searched for it.
    if (!::CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          systemFolder.c_str(), &startup, &process)) {
      return false;
    }
    UniqueKernelHandle processHandle(process.hProcess);
    UniqueKernelHandle threadHandle(process.hThread);
    if (WaitWithMessages(processHandle.get(), waitMilliseconds_) != WAIT_OBJECT_0) return true;
    DWORD exitCode = 0;
    return !::GetExitCodeProcess(processHandle.get(), &exitCode) || exitCode == 0;
  } catch (...) {
    // Registration is best effort; PowerPoint is started either way.
    return true;
  }
}

void WindowsAddInInstaller::Install() {
  // Without a registration (no library beside the program, say) an entry in PowerPoint's add-in
  // list would name a class that does not exist.
  if (!RunRegistration(Registration::Register)) return;
  // The library's self-registration has written this entry with its values already, and opening
  // it changes nothing then. When the wait ends before regsvr32 does, the entry still exists by
  // the time PowerPoint starts; regsvr32 fills in its values.
  CreateRegistryKey(Widened(kAddInEntryKey).c_str(), HKEY_CURRENT_USER);  // closed again at once
}

void WindowsAddInInstaller::Uninstall() {
  RunRegistration(Registration::Unregister);
  RemoveAddInEntry();
}

std::optional<ModuleBitness> WindowsAddInInstaller::PowerPointBitness() {
  const std::wstring powerPoint = PowerPointProgramPath();
  if (powerPoint.empty()) return std::nullopt;
  return FileBitness(powerPoint);
}

// The library beside the program, and whatever library the class is registered with in either
// view: PowerPoint may have disabled any of them.
void WindowsAddInInstaller::RemoveDisabledItems() {
  std::vector<std::wstring> libraries = {AddInLibraryPath(programFolder_)};
  for (const REGSAM view : {RegistryView(ModuleBitness::Bits32), RegistryView(ModuleBitness::Bits64)}) {
    for (auto& library : RegisteredLibraries(view)) libraries.push_back(std::move(library));
  }
  RemoveDisabledLibraries(libraries);
}

// The entry stays when PowerPoint's view of the class leads to a library it can load (the
// other build's, say); otherwise PowerPoint would only fail to load it.
void WindowsAddInInstaller::RemoveUnloadableEntry(ModuleBitness powerPoint) {
  const auto libraries = RegisteredLibraries(RegistryView(powerPoint));
  if (!libraries.empty() && FileBitness(libraries.front()) == powerPoint) return;
  RemoveAddInEntry();
}

void WindowsAddInInstaller::RemoveAddInEntry() noexcept {
  const UniqueHKey list = CreateRegistryKey(Widened(kPowerPointAddInList).c_str(), HKEY_CURRENT_USER);
  if (list) ::RegDeleteKeyW(list.get(), Widened(kConnectProgId).c_str());
}

}  // namespace quillmere
