// Checks the conversions of stored text against a plain reference: the accepted grammar is
// matched by hand, whole numbers are rounded on the exact decimal digits, and doubles come from
// the C library's strtod. Any disagreement aborts with the input.

#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include "common/setting_conversion.h"

namespace quillmere {
namespace {

[[noreturn]] void Fail(const char* what, std::string_view text) {
  std::fprintf(stderr, "setting conversion fuzzer: %s for \"%.*s\"\n", what, static_cast<int>(text.size()),
               text.data());
  std::abort();
}

bool Digit(char c) { return c >= '0' && c <= '9'; }

// [blanks] [sign] (digits [. digits] | . digits) [(e|E) [sign] digits] [blanks]
struct Reference {
  bool negative = false;
  std::string integerDigits;
  std::string fractionDigits;
  long exponent = 0;  // saturated far beyond any range that matters
  std::string trimmed;
};

std::optional<Reference> Match(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  Reference ref;
  ref.trimmed = std::string(text);
  std::size_t at = 0;
  auto take = [&](std::string& into) {
    while (at < text.size() && Digit(text[at])) into += text[at++];
  };
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) ref.negative = text[at++] == '-';
  take(ref.integerDigits);
  if (at < text.size() && text[at] == '.') {
    ++at;
    take(ref.fractionDigits);
  }
  if (ref.integerDigits.empty() && ref.fractionDigits.empty()) return std::nullopt;
  if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
    ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) negative = text[at++] == '-';
    std::string digits;
    take(digits);
    if (digits.empty()) return std::nullopt;
    for (char c : digits) ref.exponent = std::min(ref.exponent * 10 + (c - '0'), 100'000'000L);
    if (negative) ref.exponent = -ref.exponent;
  }
  if (at != text.size()) return std::nullopt;
  return ref;
}

// The exact value rounded to a whole number, a tie to the even one; nothing beyond 64 bits' worth.
std::optional<long long> RoundExactly(const Reference& ref) {
  std::string digits = ref.integerDigits + ref.fractionDigits;
  const std::size_t nonZero = digits.find_first_not_of('0');
  if (nonZero == std::string::npos) return 0;
  long long point = static_cast<long long>(ref.integerDigits.size()) + ref.exponent;
  if (point > static_cast<long long>(digits.size()) + 30) return std::nullopt;
  if (point < -2) return 0;  // below 0.01: rounds to zero
  std::string whole;
  std::string fraction;
  if (point <= 0) {
    fraction = std::string(static_cast<std::size_t>(-point), '0') + digits;
  } else if (point >= static_cast<long long>(digits.size())) {
    whole = digits + std::string(static_cast<std::size_t>(point) - digits.size(), '0');
  } else {
    whole = digits.substr(0, static_cast<std::size_t>(point));
    fraction = digits.substr(static_cast<std::size_t>(point));
  }
  whole.erase(0, std::min(whole.find_first_not_of('0'), whole.size()));
  if (whole.size() > 18) return std::nullopt;
  long long value = whole.empty() ? 0 : std::stoll(whole);
  if (!fraction.empty()) {
    const bool aboveHalf =
        fraction[0] > '5' || (fraction[0] == '5' && fraction.find_first_not_of('0', 1) != std::string::npos);
    const bool half = fraction[0] == '5' && !aboveHalf;
    if (aboveHalf || (half && value % 2 == 1)) ++value;
  }
  return ref.negative ? -value : value;
}

template <typename Int>
std::optional<Int> ExpectedWhole(const std::optional<Reference>& ref) {
  if (!ref) return std::nullopt;
  auto value = RoundExactly(*ref);
  if (!value || *value < std::numeric_limits<Int>::min() || *value > std::numeric_limits<Int>::max()) {
    return std::nullopt;
  }
  return static_cast<Int>(*value);
}

void CheckDouble(std::string_view text, const std::optional<Reference>& ref) {
  const std::optional<double> actual = ToDouble(text);
  if (!ref) {
    if (actual) Fail("ToDouble accepted text outside the grammar", text);
    return;
  }
  errno = 0;
  const double expected = std::strtod(ref->trimmed.c_str(), nullptr);
  const bool outOfRange = errno == ERANGE;
  if (outOfRange && std::isinf(expected)) {
    if (actual) Fail("ToDouble accepted a magnitude beyond a double", text);
    return;
  }
  if (!actual) Fail("ToDouble rejected a number", text);
  if (outOfRange && *actual == 0.0) return;  // too small to tell from zero
  if (std::memcmp(&expected, &*actual, sizeof expected) != 0) Fail("ToDouble differs from strtod", text);
}

void CheckAll(std::string_view text) {
  const std::optional<Reference> ref = Match(text);
  if (ToInt32(text) != ExpectedWhole<std::int32_t>(ref)) Fail("ToInt32 differs from the exact rounding", text);
  CheckDouble(text, ref);
}

}  // namespace
}  // namespace quillmere

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  quillmere::CheckAll(text);
  // The same number as a registry editor or the control panel may store it: padded with blanks.
  quillmere::CheckAll(" \t" + std::string(text) + "  ");
  return 0;
}
