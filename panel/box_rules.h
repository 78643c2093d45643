#pragma once

#include <array>
#include <functional>

#include "common/settings_table.h"

namespace quillmere {

// The settings window's check boxes, one per setting, by box index.
inline constexpr int kBoxCount = kSettingCount;
inline constexpr int kClassicBox = kClassic.box;
inline constexpr int kLeftBox = kLeft.box;
inline constexpr int kAllBox = kAll.box;
inline constexpr int kHomeBox = kHome.box;
inline constexpr int kHideTabsBox = kHideTabs.box;

// The boxes that each hide one built-in tab.
constexpr bool IsTabBox(int index) { return HidesATab(SettingOfBox(index)); }

using BoxStates = std::array<bool, kBoxCount>;

// The boxes and the rules that tie them together. A change runs the changed box's rule at once;
// a change made by a rule runs that box's rule before the outer rule goes on (depth first).
// Setting a box to the state it already has is no change and runs nothing. A locked box (one an
// administrator set) never changes: a rule step that would change it is skipped.
class BoxRules {
 public:
  // Told of every change, in the order the changes happen, so a window can mirror them.
  using ChangeListener = std::function<void(int index, bool checked)>;

  BoxRules() = default;
  // Boxes in the given states, as if they had been drawn that way; no rule runs.
  explicit BoxRules(const BoxStates& states) : checked_(states) {}

  void SetListener(ChangeListener listener) { listener_ = std::move(listener); }

  bool IsChecked(int index) const { return checked_.at(index); }
  bool IsLocked(int index) const { return locked_.at(index); }
  bool AnyTabBoxChecked() const { return !NoTabBoxChecked(); }
  const BoxStates& States() const { return checked_; }

  void Set(int index, bool checked);
  void Toggle(int index) { Set(index, !IsChecked(index)); }
  // Puts the box in the given state for good. Its own rule does not run: the administrator's
  // value is shown as it is, and the user's other boxes stay as the user left them.
  void Lock(int index, bool checked);

 private:
  void RunRule(int index);
  bool NoneCheckedBut(int index) const;
  bool NoTabBoxChecked() const;

  BoxStates checked_{};
  BoxStates locked_{};
  ChangeListener listener_;
};

}  // namespace quillmere
