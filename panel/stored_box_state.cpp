#include "panel/stored_box_state.h"

#include <string>

#include "common/setting_conversion.h"
#include "common/settings_store.h"
#include "panel/box_rules.h"
#include "panel/error_message.h"

namespace quillmere {
namespace {

std::string Quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

}  // namespace

bool BoxStateFromStored(int index, std::string_view text) {
  const auto key = kBoxKeys.at(index);
  const auto value = ToInt16(text);
  if (!value) {
    if (ToDouble(text)) {
      throw StepFailure("Overflow: " + Quoted(key) + " holds " + Quoted(text) + ", beyond the range of a box state");
    }
    throw StepFailure("Type mismatch: " + Quoted(key) + " holds " + Quoted(text) + ", which is not a number");
  }
  if (index == kClassicBox) return *value != 0;
  // The add-in reads the tab keys as doubles: "1.4" rounds to 1 here but is not 1 there.
  if (IsTabBox(index)) return *ToDouble(text) == 1.0;
  return *value == 1;
}

int StoredBoxDefault(int index) { return index == kClassicBox || index == kLeftBox || index == kAllBox ? 1 : 0; }

}  // namespace quillmere
