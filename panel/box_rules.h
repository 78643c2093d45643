#pragma once

#include <array>
#include <functional>

namespace quillmere {

// The settings window's thirteen check boxes, by index (the index is also the position of the
// box's key in kBoxKeys).
inline constexpr int kBoxCount = 13;
inline constexpr int kClassicBox = 0;
inline constexpr int kLeftBox = 1;
inline constexpr int kAllBox = 2;
inline constexpr int kHomeBox = 3;
inline constexpr int kHideTabsBox = 11;
inline constexpr int kFormatBox = 12;

// The nine boxes that each hide one built-in tab: 3 to 10 and 12.
bool IsTabBox(int index);

using BoxStates = std::array<bool, kBoxCount>;

// The boxes and the rules that tie them together. A change runs the changed box's rule at once;
// a change made by a rule runs that box's rule before the outer rule goes on (depth first).
// Setting a box to the state it already has is no change and runs nothing.
class BoxRules {
 public:
  // Told of every change, in the order the changes happen, so a window can mirror them.
  using ChangeListener = std::function<void(int index, bool checked)>;

  BoxRules() = default;
  // Boxes in the given states, as if they had been drawn that way; no rule runs.
  explicit BoxRules(const BoxStates& states) : checked_(states) {}

  void SetListener(ChangeListener listener) { listener_ = std::move(listener); }

  bool IsChecked(int index) const { return checked_.at(index); }
  bool AnyTabBoxChecked() const { return !NoTabBoxChecked(); }
  const BoxStates& States() const { return checked_; }

  void Set(int index, bool checked);
  void Toggle(int index) { Set(index, !IsChecked(index)); }

 private:
  void RunRule(int index);
  bool NoneChecked(int first, int last) const;
  bool NoTabBoxChecked() const;

  BoxStates checked_{};
  ChangeListener listener_;
};

}  // namespace quillmere
