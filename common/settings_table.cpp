#include "common/settings_table.h"

#include <cmath>
#include <cstdint>
#include <limits>

#include "common/setting_conversion.h"

namespace quillmere {
namespace {

constexpr char FoldCase(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

constexpr bool SameKey(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (FoldCase(a[i]) != FoldCase(b[i])) return false;
  }
  return true;
}

// The store compares keys without regard to case, and each box shows one setting: boxes run
// from 0 without gaps, so the window's box array and the control ids cover them all.
constexpr bool KeysAndBoxesAreUnique() {
  for (std::size_t i = 0; i < kSettings.size(); ++i) {
    if (kSettings[i].box < 0 || kSettings[i].box >= kSettingCount) return false;
    for (std::size_t j = i + 1; j < kSettings.size(); ++j) {
      if (SameKey(kSettings[i].key, kSettings[j].key) || kSettings[i].box == kSettings[j].box) return false;
    }
  }
  return true;
}
static_assert(KeysAndBoxesAreUnique(), "every setting needs its own key and its own box");

bool FitsBoxState(double value) {
  const double whole = std::nearbyint(value);  // a tie to the even one, as for the whole numbers
  return whole >= std::numeric_limits<std::int16_t>::min() && whole <= std::numeric_limits<std::int16_t>::max();
}

}  // namespace

std::optional<double> StoredNumber(const Setting& setting, std::string_view text, ReaderWidth width) {
  if (setting.form == StoredForm::DoubleOne) {
    const auto value = ToDouble(text);
    if (value && width == ReaderWidth::Panel && !FitsBoxState(*value)) return std::nullopt;
    return value;
  }
  if (width == ReaderWidth::Panel) {
    if (const auto value = ToInt16(text)) return *value;
    return std::nullopt;
  }
  if (const auto value = ToInt32(text)) return *value;
  return std::nullopt;
}

bool IsOn(const Setting& setting, double number) {
  return setting.form == StoredForm::WholeNonZero ? number != 0 : number == 1.0;
}

}  // namespace quillmere
