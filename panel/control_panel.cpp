#include "panel/control_panel.h"

#include <exception>
#include <utility>

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

std::string VersionLabelText(UiLanguage language) {
  std::string text(Text(TextId::PanelVersion, language));
  text.append(std::to_string(QUILLMERE_VERSION_MAJOR)).append(".").append(std::to_string(QUILLMERE_VERSION_MINOR));
  return text;
}

ControlPanel::ControlPanel(SettingsStore& store, PanelWindow& window, AddInInstaller& installer,
                           std::vector<PolicySource> policies, UiLanguage language)
    : settings_(std::move(policies), store), window_(window), installer_(installer), language_(language) {
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
void ControlPanel::WorkOutPolicies() {
  const PolicySource* unreadableSource = nullptr;
  std::string firstReason;
  int unreadableFromSource = 0;
  for (int index = 0; index < kBoxCount; ++index) {
    EnforcedBox& box = enforced_[static_cast<std::size_t>(index)];
    bool checked = false;
    try {
      const LayeredValue value = settings_.PolicyValue(SettingOfBox(index).key);
      if (value.policy == nullptr) continue;
      box.locked = true;
      checked = BoxStateFromStored(index, *value.text, value.policy->where);
    } catch (const PolicyReadError& error) {
      box = {true, PolicyLock::Unreadable, error.what()};
      if (unreadableFromSource == index && (unreadableSource == nullptr || unreadableSource == &error.Policy())) {
        if (unreadableSource == nullptr) firstReason = error.Reason();
        unreadableSource = &error.Policy();
        ++unreadableFromSource;
      }
    } catch (const std::exception& error) {
      box = {true, PolicyLock::Unreadable, error.what()};
    }
    boxes_.Lock(index, checked);
  }
  // A policy key that cannot be opened fails every box the same way: one message says so.
  if (unreadableSource != nullptr && unreadableFromSource == kBoxCount) {
    for (EnforcedBox& box : enforced_) box.failure.clear();
    enforced_[0].failure = "the policies in " + unreadableSource->where + " cannot be read: " + firstReason;
  }
  policyHidesTabs_ = settings_.PolicyHidesAnyTab();
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
  WorkOutPolicies();
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
  for (int index = 0; index < kBoxCount; ++index) {
    EnforcedBox& box = enforced_[static_cast<std::size_t>(index)];
    if (!box.locked) continue;
    if (!box.failure.empty()) Report(handler, RestoreStep(index), std::exchange(box.failure, {}));
    RunStep(handler, RestoreStep(index), [&] { window_.LockBox(index, box.why); });
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
