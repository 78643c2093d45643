#include "panel/stored_box_state.h"

#include <string>

#include "common/setting_conversion.h"
#include "common/settings_table.h"
#include "panel/error_message.h"

namespace quillmere {
namespace {

std::string Quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

}  // namespace

bool BoxStateFromStored(int index, std::string_view text) {
  const Setting& setting = SettingOfBox(index);
  const auto key = setting.key;
  if (!IsNumber(text)) {
    throw StepFailure("Type mismatch: " + Quoted(key) + " holds " + Quoted(text) + ", which is not a number");
  }
  // Each key is converted once, the way the add-in reads it ("1.4" is not 1 for a tab key).
  if (const auto value = StoredNumber(setting, text, ReaderWidth::Panel)) return IsOn(setting, *value);
  throw StepFailure("Overflow: " + Quoted(key) + " holds " + Quoted(text) + ", beyond the range of a box state");
}

bool HideTabsStoredOn(std::string_view text) {
  const Setting& hideTabs = SettingOf(kHideTabsKey);
  const auto value = StoredNumber(hideTabs, text, ReaderWidth::AddIn);
  return value && IsOn(hideTabs, *value);
}

int StoredBoxDefault(int index) { return SettingOfBox(index).defaultValue; }

}  // namespace quillmere
