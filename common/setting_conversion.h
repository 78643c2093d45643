#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace quillmere {

// Stored settings are text. These turn a stored text into a number the way a user or an
// administrator would expect: optional surrounding blanks, optional sign, decimal digits with
// an optional fraction and exponent ("1", " +1 ", "1.0", "1e0"). Anything else, empty text
// included, is not a number.

// Whether the text has the form of a number at all, whatever its size.
bool IsNumber(std::string_view text);

// A whole number; a fraction is rounded to the nearest whole number, a tie to the even one.
// Nothing when the text is not a number or the rounded value lies outside the type's range.
std::optional<std::int32_t> ToInt32(std::string_view text);

// A double; nothing when the text is not a number or its magnitude is beyond a double.
std::optional<double> ToDouble(std::string_view text);

}  // namespace quillmere
