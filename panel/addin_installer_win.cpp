#include "panel/addin_installer_win.h"

#include <string>

#include "common/registration_table.h"
#include "common/registry_win.h"
#include "common/unique_handle_win.h"
#include "common/utf16_text.h"
#include "common/window_helpers_win.h"
#include "panel/error_message.h"
#include "panel/powerpoint_win.h"

namespace quillmere {

WindowsAddInInstaller::WindowsAddInInstaller(std::wstring programFolder, DWORD waitMilliseconds)
    : programFolder_(std::move(programFolder)), waitMilliseconds_(waitMilliseconds) {}

void WindowsAddInInstaller::RunRegistration(Registration action) const {
  const std::wstring library = AddInLibraryPath(programFolder_);
  const std::string failed = std::string(action == Registration::Register ? "Registering" : "Unregistering") + " \"" +
                             WideToUtf8(library) + "\" failed (";
  if (programFolder_.empty()) throw StepFailure(failed + "the program's folder is unknown)");
  const std::wstring systemFolder = SystemFolder();
  if (systemFolder.empty()) throw StepFailure(failed + "the system folder is unknown)");
  const std::wstring program = RegistrationProgramPath(systemFolder);
  std::wstring commandLine = RegistrationCommandLine(action, library);
  if (commandLine.empty()) throw StepFailure(failed + "its path cannot be passed to regsvr32)");

  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWMINIMIZED;
  PROCESS_INFORMATION process{};
  // The program is named by its full path, so no other folder is searched for it.
  if (!::CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, systemFolder.c_str(),
                        &startup, &process)) {
    const DWORD error = ::GetLastError();
    throw StepFailure(failed + WideToUtf8(program) + " not started, error " + std::to_string(error) + ")");
  }
  UniqueKernelHandle processHandle(process.hProcess);
  UniqueKernelHandle threadHandle(process.hThread);
  // Still running when the wait ends: it finishes on its own, and may yet succeed.
  if (WaitWithMessages(processHandle.get(), waitMilliseconds_) != WAIT_OBJECT_0) return;
  DWORD exitCode = 0;
  if (::GetExitCodeProcess(processHandle.get(), &exitCode) && exitCode != 0) {
    throw StepFailure(failed + "regsvr32 exit code " + std::to_string(exitCode) + ")");
  }
}

void WindowsAddInInstaller::Install() {
  // Without a registration (no library beside the program, say) an entry in PowerPoint's add-in
  // list would name a class that does not exist.
  RunRegistration(Registration::Register);
  // The library's self-registration has written this entry with its values already, and opening
  // it changes nothing then. When the wait ends before regsvr32 does, the entry still exists by
  // the time PowerPoint starts; regsvr32 fills in its values.
  CreateRegistryKey(Widened(kAddInEntryKey).c_str(), HKEY_CURRENT_USER);  // closed again at once
}

// The entry goes even when unregistering failed: PowerPoint would only fail to load the add-in.
void WindowsAddInInstaller::Uninstall() {
  try {
    RunRegistration(Registration::Unregister);
  } catch (...) {
    RemoveAddInEntry();
    throw;
  }
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
  if (!list) return;
  try {
    DeleteRegistryKey(list.get(), Widened(kConnectProgId).c_str());
  } catch (...) {
    // Nothing to report: PowerPoint would only fail to load the add-in.
  }
}

}  // namespace quillmere
