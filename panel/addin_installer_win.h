#pragma once

#include <windows.h>

#include <string>

#include "panel/addin_registration.h"
#include "panel/control_panel.h"

namespace quillmere {

// How long OK waits for the registration program before it starts PowerPoint, so that
// PowerPoint finds the add-in registered (or gone) as the user chose.
inline constexpr DWORD kRegistrationWaitMilliseconds = 8000;

// Registers the add-in library beside the program and keeps PowerPoint's add-in list entry in
// step. A registration that failed is thrown as StepFailure, for the panel to report; the user
// gets PowerPoint either way. The window keeps handling its messages while the registration
// program runs.
class WindowsAddInInstaller final : public AddInInstaller {
 public:
  explicit WindowsAddInInstaller(std::wstring programFolder, DWORD waitMilliseconds = kRegistrationWaitMilliseconds);

  void Install() override;
  void Uninstall() override;
  std::optional<ModuleBitness> PowerPointBitness() override;
  void RemoveDisabledItems() override;
  void RemoveUnloadableEntry(ModuleBitness powerPoint) override;

 private:
  // Throws StepFailure, naming the library, when the registration program surely failed (not
  // started, or ended with an error); a program still running when the wait ends may yet succeed.
  void RunRegistration(Registration action) const;
  static void RemoveAddInEntry() noexcept;

  std::wstring programFolder_;
  DWORD waitMilliseconds_;
};

}  // namespace quillmere
