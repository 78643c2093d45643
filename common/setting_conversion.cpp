#include "setting_conversion.h"

#include <charconv>
#include <limits>
#include <string>

namespace quillmere {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// A decimal number split into its parts: value = sign * 0.digits * 10^pointPosition.
struct DecimalText {
  bool negative = false;
  std::string digits;           // significant digits, no leading zeros ("" for zero)
  long long pointPosition = 0;  // where the decimal point stands relative to digits
  std::string_view number;      // the text without blanks, for the double conversion
};

// Exponents are clamped here: anything beyond is far outside every range we convert to.
constexpr long long kExponentClamp = 100000;

std::optional<DecimalText> Scan(std::string_view text) {
  std::size_t begin = 0;
  std::size_t end = text.size();
  while (begin < end && IsBlank(text[begin])) ++begin;
  while (end > begin && IsBlank(text[end - 1])) --end;

  DecimalText result;
  result.number = text.substr(begin, end - begin);
  std::size_t i = begin;
  if (i < end && (text[i] == '+' || text[i] == '-')) result.negative = text[i++] == '-';

  std::string allDigits;
  long long integerDigits = 0;
  while (i < end && IsDigit(text[i])) {
    allDigits += text[i++];
    ++integerDigits;
  }
  if (i < end && text[i] == '.') {
    ++i;
    while (i < end && IsDigit(text[i])) allDigits += text[i++];
  }
  if (allDigits.empty()) return std::nullopt;

  long long exponent = 0;
  if (i < end && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    bool negativeExponent = false;
    if (i < end && (text[i] == '+' || text[i] == '-')) negativeExponent = text[i++] == '-';
    if (i == end || !IsDigit(text[i])) return std::nullopt;
    while (i < end && IsDigit(text[i])) {
      if (exponent < kExponentClamp) exponent = exponent * 10 + (text[i] - '0');
      ++i;
    }
    if (negativeExponent) exponent = -exponent;
  }
  if (i != end) return std::nullopt;

  std::size_t firstSignificant = allDigits.find_first_not_of('0');
  if (firstSignificant == std::string::npos) return result;  // zero
  result.digits = allDigits.substr(firstSignificant);
  result.pointPosition = integerDigits - static_cast<long long>(firstSignificant) + exponent;
  return result;
}

// Rounds to the nearest whole number, a tie to the even one; nothing beyond +-limit.
std::optional<long long> RoundToWhole(const DecimalText& number, long long limit) {
  if (number.digits.empty()) return 0;
  if (number.pointPosition > 18) return std::nullopt;

  long long whole = 0;
  for (long long position = 0; position < number.pointPosition; ++position) {
    auto index = static_cast<std::size_t>(position);
    whole = whole * 10 + (index < number.digits.size() ? number.digits[index] - '0' : 0);
  }

  // The fraction starts at pointPosition; a point before the first digit means leading zeros.
  int firstFractionDigit = 0;
  bool restNonZero = false;
  if (number.pointPosition >= 0) {
    auto index = static_cast<std::size_t>(number.pointPosition);
    if (index < number.digits.size()) {
      firstFractionDigit = number.digits[index] - '0';
      restNonZero = number.digits.find_first_not_of('0', index + 1) != std::string::npos;
    }
  }
  bool roundUp = firstFractionDigit > 5 || (firstFractionDigit == 5 && (restNonZero || whole % 2 == 1));
  if (roundUp) ++whole;

  if (number.negative) whole = -whole;
  if (whole > limit || whole < -limit - 1) return std::nullopt;
  return whole;
}

template <typename Whole>
std::optional<Whole> ToWhole(std::string_view text) {
  auto number = Scan(text);
  if (!number) return std::nullopt;
  auto whole = RoundToWhole(*number, std::numeric_limits<Whole>::max());
  if (!whole) return std::nullopt;
  return static_cast<Whole>(*whole);
}

}  // namespace

bool IsNumber(std::string_view text) { return Scan(text).has_value(); }

std::optional<std::int32_t> ToInt32(std::string_view text) { return ToWhole<std::int32_t>(text); }

std::optional<double> ToDouble(std::string_view text) {
  auto number = Scan(text);
  if (!number) return std::nullopt;
  if (number->digits.empty()) return number->negative ? -0.0 : 0.0;

  std::string_view digits = number->number;
  if (digits.front() == '+') digits.remove_prefix(1);
  double value = 0;
  auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (error == std::errc::result_out_of_range) {
    // Too small to tell from zero is zero; too large is not a number we can hold.
    if (number->pointPosition <= 0) return number->negative ? -0.0 : 0.0;
    return std::nullopt;
  }
  if (error != std::errc{} || end != digits.data() + digits.size()) return std::nullopt;
  return value;
}

}  // namespace quillmere
