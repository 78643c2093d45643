#include "panel/control_panel.h"

#include <exception>

#include "common/program_bitness.h"
#include "common/settings_store.h"
#include "common/settings_table.h"
#include "panel/error_message.h"
#include "panel/stored_box_state.h"
#include "quillmere_version.h"

namespace quillmere {
namespace {

constexpr std::string_view kProductName = "Quillmere";
constexpr std::string_view kInitializeHandler = "Form_Initialize";
constexpr std::string_view kLoadHandler = "Form_Load";
constexpr std::string_view kButtonHandler = "PushButton22_Click";

// The set-up step that restores a box: the "line" an error message names.
int RestoreStep(int index) {
  if (index == kClassicBox) return 106;
  if (index == kLeftBox) return 108;
  if (index == kAllBox) return 110;
  return 116;
}

}  // namespace

std::string VersionLabelText() {
  std::string text = "Version:   ";
  text.append(std::to_string(QUILLMERE_VERSION_MAJOR)).append(".").append(std::to_string(QUILLMERE_VERSION_MINOR));
  return text;
}

ControlPanel::ControlPanel(SettingsStore& store, PanelWindow& window, AddInInstaller& installer,
                           std::vector<PolicySource> policies)
    : settings_(std::move(policies), store), window_(window), installer_(installer) {
  boxes_.SetListener([this](int index, bool checked) { window_.ShowBox(index, checked); });
}

template <typename Step>
void ControlPanel::RunStep(std::string_view handler, int step, Step&& body) {
  std::string description;
  try {
    body();
    return;
  } catch (const std::exception& failure) {
    description = failure.what();
  } catch (...) {
    description = "Unexpected failure";
  }
  try {
    window_.ShowError(kErrorTitle, ErrorMessageText(description, handler, step));
  } catch (...) {
    // Nothing is left to tell the user with; the next step still runs.
  }
}

// Locked even when the policy's value cannot be read: the user's own value would not apply either.
void ControlPanel::LockIfEnforced(int index) {
  const Setting& setting = SettingOfBox(index);
  const LayeredValue enforced = settings_.PolicyValue(setting.key);
  if (enforced.policy == nullptr) return;
  boxes_.Lock(index, boxes_.IsChecked(index));
  window_.LockBox(index);
  boxes_.Lock(index, BoxStateFromStored(index, *enforced.text, enforced.policy->where));
}

void ControlPanel::RestoreBox(int index) {
  if (boxes_.IsLocked(index)) return;
  const auto stored = GetSetting(settings_, SettingOfBox(index).key, StoredBoxDefault(index));
  boxes_.Set(index, BoxStateFromStored(index, stored));
}

void ControlPanel::SaveBox(int index) {
  if (boxes_.IsLocked(index)) return;
  SaveSetting(settings_, SettingOfBox(index).key, boxes_.IsChecked(index) ? "1" : "0");
}

void ControlPanel::Initialize() {
  const auto handler = kInitializeHandler;
  RunStep(handler, 100, [&] { window_.ApplySkin(); });
  RunStep(handler, 102, [&] {
    window_.SetTitle(kProductName);
    window_.SetProductIcon();
  });
  RunStep(handler, 104, [&] {
    window_.SetVersionLabel(VersionLabelText());
    window_.SetTitleLabel(kProductName);
  });
  // Boxes a policy sets come first, so that no rule of a box restored later changes them.
  for (int index = 0; index < kBoxCount; ++index) {
    RunStep(handler, RestoreStep(index), [&] { LockIfEnforced(index); });
  }
  // Restoring goes through the box rules, so boxes restored earlier may be changed by later ones.
  RunStep(handler, RestoreStep(kClassicBox), [&] { RestoreBox(kClassicBox); });
  RunStep(handler, RestoreStep(kLeftBox), [&] { RestoreBox(kLeftBox); });
  RunStep(handler, RestoreStep(kAllBox), [&] { RestoreBox(kAllBox); });
  // "Hide built-in tabs" follows from the tab boxes, read back last.
  for (int index = kHomeBox; index < kBoxCount; ++index) {
    if (index == kHideTabsBox) continue;
    RunStep(handler, RestoreStep(index), [&] { RestoreBox(index); });
  }
  RunStep(handler, RestoreStep(kHideTabsBox), [&] { RestoreHideTabsBox(); });
}

// "Home" alone does not check the master switch, yet with it stored on the add-in hides Home: show
// it checked, or the next OK would bring Home back. With no tab box checked a stored 1 changes
// nothing (checking the box then would check all nine).
void ControlPanel::RestoreHideTabsBox() {
  if (boxes_.IsLocked(kHideTabsBox) || !boxes_.AnyTabBoxChecked() || boxes_.IsChecked(kHideTabsBox)) return;
  if (HideTabsStoredOn(GetSetting(settings_, kHideTabsKey, SettingOf(kHideTabsKey).defaultValue)))
    boxes_.Set(kHideTabsBox, true);
}

void ControlPanel::Load() {
  const auto handler = kLoadHandler;
  RunStep(handler, 100, [&] { window_.SetTitle(kProductName); });
  RunStep(handler, 102, [&] { window_.CenterOnScreen(); });
  bool handFound = false;
  RunStep(handler, 104, [&] { handFound = window_.HandCursorFileExists(); });
  if (handFound) RunStep(handler, 106, [&] { window_.LoadHandCursor(); });
}

void ControlPanel::ClickBox(int index) { boxes_.Toggle(index); }

void ControlPanel::Ok() {
  const auto handler = kButtonHandler;
  RunStep(handler, 104, [&] { SaveBox(kClassicBox); });
  RunStep(handler, 106, [&] { SaveBox(kLeftBox); });
  RunStep(handler, 108, [&] { SaveBox(kAllBox); });
  for (int index = kHomeBox; index < kBoxCount; ++index) {
    RunStep(handler, 112, [&] { SaveBox(index); });
  }
  if (boxes_.IsChecked(kClassicBox)) {
    InstallForPowerPoint();
  } else {
    RunStep(handler, 118, [&] { installer_.Uninstall(); });
  }
  RunStep(handler, 120, [&] { window_.StartPowerPoint(); });
  RunStep(handler, 122, [&] { window_.Close(); });
}

// PowerPoint's bitness that cannot be read leaves OK as it always was: the add-in is registered.
void ControlPanel::InstallForPowerPoint() {
  const auto handler = kButtonHandler;
  std::optional<ModuleBitness> powerPoint;
  try {
    powerPoint = installer_.PowerPointBitness();
  } catch (...) {
    // Unknown, as when PowerPoint is not found.
  }
  if (powerPoint && *powerPoint != kThisBuild) {
    RunStep(handler, 128, [&] {
      installer_.RemoveUnloadableEntry(*powerPoint);
      window_.ShowNotice(WrongBuildMessage(*powerPoint, kThisBuild));
    });
  } else {
    RunStep(handler, 116, [&] { installer_.Install(); });
  }
  RunStep(handler, 126, [&] { installer_.RemoveDisabledItems(); });
}

void ControlPanel::Cancel() {
  RunStep(kButtonHandler, 124, [&] { window_.Close(); });
}

}  // namespace quillmere
