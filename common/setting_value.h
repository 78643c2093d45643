#pragma once

// What a stored text means for a setting, worked out once where it is read.

#include <cstdint>
#include <optional>
#include <string>

#include "common/settings_table.h"

namespace quillmere {

// One setting's value as one source holds it.
struct StoredValue {
  enum class State : std::uint8_t {
    Absent,      // nothing stored: the setting's default applies
    Number,      // a number as the add-in reads it: whole numbers in 32 bits, tab settings as doubles
    NotANumber,  // text that is not a number, or one beyond the add-in's range
    Unreadable,  // the source could not read it
  };
  State state = State::Absent;
  double number = 0;  // for Number
  std::string text;   // the stored text; for Unreadable, why it could not be read

  static StoredValue Unreadable(std::string reason) { return {State::Unreadable, 0, std::move(reason)}; }
  // A number the user never typed: a default, or what an own value means under a policy.
  static StoredValue Meaning(bool on) { return {State::Number, on ? 1.0 : 0.0, on ? "1" : "0"}; }
};

// The stored text as the setting reads it (a whole number rounded, a tie to the even one); absent
// when there is none.
StoredValue ValueOf(const Setting& setting, std::optional<std::string> text);

// Whether that number switches the setting on.
bool IsOn(const Setting& setting, double number);

// Whether the number fits the control panel's 16-bit box state (rounded, a tie to the even one).
bool FitsBoxState(double number);

}  // namespace quillmere
