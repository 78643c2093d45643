#include "panel/control_panel.h"

#include <exception>
#include <utility>

#include "common/product_info.h"
#include "common/program_bitness.h"
#include "common/settings_store.h"
#include "common/settings_table.h"
#include "common/texts/product_texts.h"
#include "panel/error_message.h"
#include "panel/panel_captions.h"
#include "panel/stored_box_state.h"

namespace quillmere {
namespace {

constexpr std::string_view kInitializeHandler = "Form_Initialize";
constexpr std::string_view kLoadHandler = "Form_Load";
constexpr std::string_view kButtonHandler = "PushButton22_Click";

// The steps that restore and save a setting's box: the "lines" an error message names.
int RestoreStep(const Setting& setting) {
  if (&setting == &kClassic) return 106;
  if (&setting == &kLeft) return 108;
  if (&setting == &kAll) return 110;
  return 116;
}

int SaveStep(const Setting& setting) {
  if (&setting == &kClassic) return 104;
  if (&setting == &kLeft) return 106;
  if (&setting == &kAll) return 108;
  return 112;
}

}  // namespace

ControlPanel::ControlPanel(SettingsStore& store, PanelWindow& window, AddInInstaller& installer,
                           std::vector<PolicySource> policies, UiLanguage language)
    : store_(store), policies_(std::move(policies)), window_(window), installer_(installer), language_(language) {
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
  Report(handler, step, description);
}

void ControlPanel::Report(std::string_view handler, int step, const std::string& description) {
  try {
    window_.ShowError(Text(TextId::ErrorTitle, language_), ErrorMessageText(description, handler, step, language_));
  } catch (...) {
    // Nothing is left to tell the user with; the next step still runs.
  }
}

// A policy value that cannot be read locks its box clear: the user's own value would not apply
// either, and the add-in reads it as unusable too. Policies are read as the add-in reads them.
void ControlPanel::WorkOutPolicies(const SettingsSnapshot& settings) {
  std::string commonSource;  // the policy every box's unreadable value came from, while there is one
  int unreadable = 0;
  for (const Setting* setting : kSettingsByBox) {
    const AppliedValue& applied = settings.Applied(*setting);
    if (applied.policy.empty()) continue;
    EnforcedBox& box = enforced_[static_cast<std::size_t>(setting->box)];
    bool checked = false;
    try {
      box.locked = true;
      checked = BoxStateFromStored(*setting, applied);
    } catch (const std::exception& error) {
      box = {true, PolicyLock::Unreadable, error.what()};
    }
    if (applied.value.state == StoredValue::State::Unreadable && (unreadable == 0 || commonSource == applied.policy)) {
      commonSource = applied.policy;
      ++unreadable;
    }
    boxes_.Lock(setting->box, checked);
  }
  // A policy key that cannot be opened fails every box the same way: one message says so.
  if (unreadable == kBoxCount) {
    for (EnforcedBox& box : enforced_) box.failure.clear();
    enforced_[static_cast<std::size_t>(kClassic.box)].failure =
        "the policies in " + commonSource + " cannot be read: " + settings.Applied(kClassic).value.text;
  }
  policyHidesTabs_ = settings.PolicyHidesAnyTab();
}

void ControlPanel::RestoreBox(const SettingsSnapshot& settings, const Setting& setting) {
  if (boxes_.IsLocked(setting.box)) return;
  boxes_.Set(setting.box, BoxStateFromStored(setting, settings.Applied(setting)));
}

void ControlPanel::SaveBox(const Setting& setting) {
  if (boxes_.IsLocked(setting.box)) return;
  SaveSetting(store_, setting.key, boxes_.IsChecked(setting.box) ? "1" : "0");
}

void ControlPanel::Initialize() {
  const auto handler = kInitializeHandler;
  // One reading of the settings for the whole set-up.
  const SettingsSnapshot settings(policies_, store_);
  WorkOutPolicies(settings);
  RunStep(handler, 100, [&] { window_.ApplySkin(); });
  RunStep(handler, 102, [&] {
    window_.SetTitle(kProductName);
    window_.SetProductIcon();
  });
  RunStep(handler, 104, [&] {
    window_.SetVersionLabel(VersionLabelText(language_));
    window_.SetTitleLabel(kProductName);
  });
  // Boxes a policy sets were locked first, so that no rule of a box restored later changes them.
  for (const Setting* setting : kSettingsByBox) {
    EnforcedBox& box = enforced_[static_cast<std::size_t>(setting->box)];
    if (!box.locked) continue;
    if (!box.failure.empty()) Report(handler, RestoreStep(*setting), std::exchange(box.failure, {}));
    RunStep(handler, RestoreStep(*setting), [&] { window_.LockBox(setting->box, box.why); });
  }
  // Restoring goes through the box rules, so boxes restored earlier may be changed by later ones.
  // "Hide built-in tabs" follows from the tab boxes, read back last.
  for (const Setting* setting : kSettingsByBox) {
    if (setting == &kHideTabs) continue;
    RunStep(handler, RestoreStep(*setting), [&] { RestoreBox(settings, *setting); });
  }
  RunStep(handler, RestoreStep(kHideTabs), [&] { RestoreHideTabsBox(settings); });
}

// "Home" alone does not check the master switch, yet with it stored on the add-in hides Home: show
// it checked, or the next OK would bring Home back. With no tab box checked a stored 1 changes
// nothing (checking the box then would check all nine).
void ControlPanel::RestoreHideTabsBox(const SettingsSnapshot& settings) {
  if (boxes_.IsLocked(kHideTabsBox) || !boxes_.AnyTabBoxChecked() || boxes_.IsChecked(kHideTabsBox)) return;
  if (HideTabsStoredOn(settings.Applied(kHideTabs))) boxes_.Set(kHideTabsBox, true);
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
  for (const Setting* setting : kSettingsByBox) RunStep(handler, SaveStep(*setting), [&] { SaveBox(*setting); });
  if (boxes_.IsChecked(kClassicBox) || policyHidesTabs_) {
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
      window_.ShowNotice(WrongBuildMessage(*powerPoint, kThisBuild, language_));
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
