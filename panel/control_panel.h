#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/registration_table.h"
#include "common/settings_snapshot.h"
#include "common/texts/ui_language.h"
#include "panel/box_rules.h"

namespace quillmere {

// Why a box is locked: a policy sets it, or a policy holds a value for it that cannot be read.
enum class PolicyLock { Enforced, Unreadable };

// What the settings window does for the set-up and OK sequences. The window implements it over
// Win32; tests implement it in memory.
class PanelWindow {
 public:
  virtual ~PanelWindow() = default;

  virtual void ApplySkin() = 0;
  virtual void SetTitle(std::string_view title) = 0;
  virtual void SetProductIcon() = 0;
  virtual void SetTitleLabel(std::string_view text) = 0;
  virtual void SetVersionLabel(std::string_view text) = 0;
  virtual void CenterOnScreen() = 0;
  virtual bool HandCursorFileExists() = 0;
  virtual void LoadHandCursor() = 0;
  virtual void ShowBox(int index, bool checked) = 0;
  // The box's setting is enforced by policy: the user cannot change it and is told why.
  virtual void LockBox(int index, PolicyLock why) = 0;
  virtual void ShowError(std::string_view title, std::string_view message) = 0;
  // Something the user must act on that is no failure of a step.
  virtual void ShowNotice(std::string_view message) = 0;
  virtual void StartPowerPoint() = 0;
  virtual void Close() = 0;
};

// Registers or unregisters the add-in. Both throw StepFailure, naming the library, when the
// registration program did not start or reported a failure; one still running when the wait for
// it ends counts as done. The rest mends what keeps PowerPoint from loading it; by default there
// is nothing to mend.
class AddInInstaller {
 public:
  virtual ~AddInInstaller() = default;
  virtual void Install() = 0;
  virtual void Uninstall() = 0;

  // The bitness of the PowerPoint that OK starts; none when it cannot be found or read.
  virtual std::optional<ModuleBitness> PowerPointBitness() { return std::nullopt; }
  // Deletes PowerPoint's disabled items that name this product's add-in libraries, leaving every
  // other item as it is. Throws StepFailure when an item cannot be read or deleted.
  virtual void RemoveDisabledItems() {}
  // Deletes the add-in entry when it leads a PowerPoint of that bitness to a library it cannot
  // load. Reports nothing.
  virtual void RemoveUnloadableEntry(ModuleBitness /*powerPoint*/) {}
};

// The settings window's logic: restores the boxes from the store, applies the box rules to
// clicks, and on OK saves, installs or uninstalls the add-in and starts PowerPoint. Installing
// first re-enables the add-in where PowerPoint disabled it, and registers nothing when
// PowerPoint is of the other bitness: the user is told which package fits instead. Every
// numbered step that fails is reported through the window and the next step runs. The step
// numbers are the "line" numbers users see in that message and quote to support, so they keep
// their values and their gaps. A setting a policy enforces shows the policy's value in a locked
// box, and OK leaves the user's own value of it alone; a policy value that cannot be read locks
// its box clear and is reported once. What policies enforce is worked out before the window is
// touched, so no failing window step can change it.
class ControlPanel {
 public:
  // The window's texts and messages are in `language` (the Windows user's, for the real window).
  ControlPanel(SettingsStore& store, PanelWindow& window, AddInInstaller& installer,
               std::vector<PolicySource> policies = {}, UiLanguage language = UiLanguage::English);
  ControlPanel(const ControlPanel&) = delete;
  ControlPanel& operator=(const ControlPanel&) = delete;

  void Initialize();
  void Load();
  void ClickBox(int index);
  void Ok();
  void Cancel();

  const BoxRules& Boxes() const { return boxes_; }

 private:
  // A box a policy decides, and what set-up still has to report about it.
  struct EnforcedBox {
    bool locked = false;
    PolicyLock why = PolicyLock::Enforced;
    std::string failure;
  };

  template <typename Step>
  void RunStep(std::string_view handler, int step, Step&& body);
  void InstallForPowerPoint();
  void Report(std::string_view handler, int step, const std::string& description);
  void WorkOutPolicies(const SettingsSnapshot& settings);
  void RestoreBox(const SettingsSnapshot& settings, const Setting& setting);
  void RestoreHideTabsBox(const SettingsSnapshot& settings);
  void SaveBox(const Setting& setting);

  SettingsStore& store_;
  std::vector<PolicySource> policies_;
  PanelWindow& window_;
  AddInInstaller& installer_;
  BoxRules boxes_;
  std::array<EnforcedBox, kBoxCount> enforced_{};
  bool policyHidesTabs_ = false;  // the add-in changes the ribbon even with box 0 clear
  UiLanguage language_;
};

}  // namespace quillmere
