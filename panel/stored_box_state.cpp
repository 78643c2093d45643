#include "panel/stored_box_state.h"

#include <string>

#include "common/setting_conversion.h"
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

bool BoxStateFromStored(const Setting& setting, const AppliedValue& applied) {
  const StoredValue& value = applied.value;
  const bool policy = !applied.policy.empty();
  const std::string key = Holder(setting.key, applied.policy);
  switch (value.state) {
    case StoredValue::State::Absent: return IsOn(setting, setting.defaultValue);
    case StoredValue::State::Unreadable: throw StepFailure(policy ? key + ": " + value.text : value.text);
    case StoredValue::State::Number:
      if (policy || FitsBoxState(value.number)) return IsOn(setting, value.number);
      break;
    case StoredValue::State::NotANumber:
      if (!IsNumber(value.text)) {
        throw StepFailure("Type mismatch: " + key + " holds " + Quoted(value.text) + ", which is not a number");
      }
      break;
  }
  throw StepFailure("Overflow: " + key + " holds " + Quoted(value.text) + ", beyond the range of " +
                    (policy ? "a number the add-in reads" : "a box state"));
}

bool HideTabsStoredOn(const AppliedValue& applied) {
  const StoredValue& value = applied.value;
  if (value.state == StoredValue::State::Unreadable) throw StepFailure(value.text);
  if (value.state == StoredValue::State::Number) return IsOn(kHideTabs, value.number);
  return value.state == StoredValue::State::Absent && IsOn(kHideTabs, kHideTabs.defaultValue);
}

}  // namespace quillmere
