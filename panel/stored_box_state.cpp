#include "panel/stored_box_state.h"

#include <cmath>
#include <string>

#include "common/setting_conversion.h"
#include "common/settings_store.h"
#include "panel/box_rules.h"
#include "panel/error_message.h"

namespace quillmere {
namespace {

std::string Quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

bool FitsBoxState(double value) {
  const double whole = std::nearbyint(value);  // a tie to the even one, as for the other keys
  return whole >= -32768.0 && whole <= 32767.0;
}

}  // namespace

bool BoxStateFromStored(int index, std::string_view text) {
  const auto key = kBoxKeys.at(index);
  if (!IsNumber(text)) {
    throw StepFailure("Type mismatch: " + Quoted(key) + " holds " + Quoted(text) + ", which is not a number");
  }
  // Each key is converted once, the way the add-in reads it: the tab keys as doubles ("1.4" is
  // not 1 there), the others as whole numbers.
  if (IsTabBox(index)) {
    const auto value = ToDouble(text);
    if (value && FitsBoxState(*value)) return *value == 1.0;
  } else if (const auto value = ToInt16(text)) {
    return index == kClassicBox ? *value != 0 : *value == 1;
  }
  throw StepFailure("Overflow: " + Quoted(key) + " holds " + Quoted(text) + ", beyond the range of a box state");
}

bool HideTabsStoredOn(std::string_view text) { return ToInt32(text) == 1; }

int StoredBoxDefault(int index) { return index == kClassicBox || index == kLeftBox || index == kAllBox ? 1 : 0; }

}  // namespace quillmere
