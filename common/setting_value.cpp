#include "common/setting_value.h"

#include <cmath>
#include <limits>
#include <utility>

#include "common/setting_conversion.h"

namespace quillmere {

StoredValue ValueOf(const Setting& setting, std::optional<std::string> text) {
  if (!text) return {};
  std::optional<double> number;
  if (setting.form == StoredForm::DoubleOne) {
    number = ToDouble(*text);
  } else if (const auto whole = ToInt32(*text)) {
    number = *whole;
  }
  if (!number) return {StoredValue::State::NotANumber, 0, std::move(*text)};
  return {StoredValue::State::Number, *number, std::move(*text)};
}

bool IsOn(const Setting& setting, double number) {
  return setting.form == StoredForm::WholeNonZero ? number != 0 : number == 1.0;
}

bool FitsBoxState(double number) {
  const double whole = std::nearbyint(number);
  return whole >= std::numeric_limits<std::int16_t>::min() && whole <= std::numeric_limits<std::int16_t>::max();
}

}  // namespace quillmere
