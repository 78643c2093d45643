#include "panel/stored_box_state.h"

#include <string>

#include "common/setting_conversion.h"
#include "common/settings_table.h"
#include "panel/error_message.h"

namespace quillmere {
namespace {

std::string Quoted(std::string_view text) {
  std::string quoted(1, '"');
  quoted.append(text).push_back('"');
  return quoted;
}

// What the message says holds the text: the key, or the policy and where it lives.
std::string Holder(std::string_view key, std::string_view policyWhere) {
  if (policyWhere.empty()) return Quoted(key);
  std::string holder = "policy ";
  holder.append(Quoted(key)).append(" in ").append(policyWhere);
  return holder;
}

}  // namespace

bool BoxStateFromStored(int index, std::string_view text, std::string_view policyWhere) {
  const Setting& setting = SettingOfBox(index);
  const std::string key = Holder(setting.key, policyWhere);
  if (!IsNumber(text)) {
    throw StepFailure("Type mismatch: " + key + " holds " + Quoted(text) + ", which is not a number");
  }
  // Each key is converted once, the way the add-in reads it ("1.4" is not 1 for a tab key). A
  // policy's value is read at the add-in's width too: the box must show what PowerPoint will get.
  const bool policy = !policyWhere.empty();
  if (const auto value = StoredNumber(setting, text, policy ? ReaderWidth::AddIn : ReaderWidth::Panel)) {
    return IsOn(setting, *value);
  }
  throw StepFailure("Overflow: " + key + " holds " + Quoted(text) + ", beyond the range of " +
                    (policy ? "a number the add-in reads" : "a box state"));
}

bool HideTabsStoredOn(std::string_view text) {
  const Setting& hideTabs = SettingOf(kHideTabsKey);
  const auto value = StoredNumber(hideTabs, text, ReaderWidth::AddIn);
  return value && IsOn(hideTabs, *value);
}

int StoredBoxDefault(int index) { return SettingOfBox(index).defaultValue; }

}  // namespace quillmere
