#include "panel/box_rules.h"

namespace quillmere {

void BoxRules::Set(int index, bool checked) {
  if (checked_.at(index) == checked || locked_[index]) return;
  checked_[index] = checked;
  if (listener_) listener_(index, checked);
  RunRule(index);
}

void BoxRules::Lock(int index, bool checked) {
  locked_.at(index) = true;
  if (checked_[index] == checked) return;
  checked_[index] = checked;
  if (listener_) listener_(index, checked);
}

bool BoxRules::NoneCheckedBut(int index) const {
  for (int i = 0; i < kBoxCount; ++i) {
    if (i != index && checked_[i]) return false;
  }
  return true;
}

bool BoxRules::NoTabBoxChecked() const {
  for (int i = 0; i < kBoxCount; ++i) {
    if (IsTabBox(i) && checked_[i]) return false;
  }
  return true;
}

void BoxRules::RunRule(int index) {
  const bool checked = checked_[index];
  if (index == kClassicBox) {
    if (checked) {
      // Turning the tab on with nothing chosen gives the usual layout.
      if (NoneCheckedBut(kClassicBox)) {
        Set(kLeftBox, true);
        Set(kAllBox, true);
      }
    } else {
      for (int i = 0; i < kBoxCount; ++i) {
        if (i != kClassicBox) Set(i, false);
      }
    }
  } else if (index == kLeftBox) {
    // The Classic tab cannot stand left of a Home tab that is hidden.
    if (checked) {
      Set(kHomeBox, false);
      Set(kClassicBox, true);
    }
  } else if (index == kAllBox) {
    if (checked) Set(kClassicBox, true);
  } else if (index == kHomeBox) {
    if (checked) {
      Set(kLeftBox, false);
      Set(kClassicBox, true);
    }
  } else if (index == kHideTabsBox) {
    if (checked) {
      if (NoTabBoxChecked()) {
        for (int i = 0; i < kBoxCount; ++i) {
          if (IsTabBox(i)) Set(i, true);
        }
        Set(kLeftBox, false);
      }
    } else {
      for (int i = 0; i < kBoxCount; ++i) {
        if (IsTabBox(i)) Set(i, false);
      }
    }
  } else if (checked) {  // any other tab box
    Set(kHideTabsBox, true);
    Set(kClassicBox, true);
  }
}

}  // namespace quillmere
