#pragma once

#include "common/settings_snapshot.h"

namespace quillmere {

// The state a setting's box takes from the value that applies to it: a policy's, read at the
// add-in's width (REG_DWORD 65536 is on for "Classic": the box must show what PowerPoint will
// get), or the user's own, which must also fit the box's 16-bit state.
//
// Boxes are only ever clear or checked, and the box rules test "none of these is checked" by
// that. The store may hold other whole numbers ("2", or "-1" from a hand edit), so the box shows
// what the add-in makes of the value: "Classic" counts as on when it is non-zero, every other key
// only when it is exactly 1. OK then writes the value back as "0" or "1" with the same meaning.
//
// Throws StepFailure when the value cannot be read, is not a number or lies beyond that width;
// the message names the key, or the policy and where it lives.
bool BoxStateFromStored(const Setting& setting, const AppliedValue& applied);

// Whether the stored "Hide built-in Tabs" switches the hidden tabs on, read as the add-in reads
// it (a whole number equal to 1). Text that is not a number is off. Throws StepFailure when the
// value cannot be read.
bool HideTabsStoredOn(const AppliedValue& applied);

}  // namespace quillmere
