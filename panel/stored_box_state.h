#pragma once

#include <string_view>

namespace quillmere {

// The state box `index` takes from its stored text.
//
// Boxes are only ever clear or checked, and the box rules test "none of these is checked" by
// that. The store may hold other whole numbers ("2", or "-1" from a hand edit), so the box shows
// what the add-in makes of the value: "Classic" counts as on when it is non-zero, every other key
// only when it is exactly 1. OK then writes the value back as "0" or "1" with the same meaning.
//
// Throws StepFailure when the text is not a number or lies beyond a 16-bit whole number; the
// message names the policy and where it lives when the text came from one (policyWhere). A
// policy's text is read at the add-in's width (REG_DWORD 65536 is on for "Classic").
bool BoxStateFromStored(int index, std::string_view text, std::string_view policyWhere = {});

// Whether the stored "Hide built-in Tabs" text switches the hidden tabs on, read as the add-in
// reads it (a whole number equal to 1). Text that is not a number is off.
bool HideTabsStoredOn(std::string_view text);

// The default a box takes when its key was never stored.
int StoredBoxDefault(int index);

}  // namespace quillmere
