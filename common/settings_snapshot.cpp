#include "common/settings_snapshot.h"

#include <exception>
#include <utility>

namespace quillmere {
namespace {

// Not only the store's own errors: a value too large to hold runs out of memory too.
StoredValue Read(const SettingsStore& store, const Setting& setting) {
  try {
    return ValueOf(setting, store.Read(setting.key));
  } catch (const std::exception& error) {
    return StoredValue::Unreadable(error.what());
  }
}

// What an own value still says while a policy is in force: on or off, or nothing.
StoredValue MeaningOf(const Setting& setting, const StoredValue& own) {
  if (own.state != StoredValue::State::Number) return {};
  return StoredValue::Meaning(IsOn(setting, own.number));
}

}  // namespace

SettingsSnapshot::SettingsSnapshot(std::span<const PolicySource> policies, const SettingsStore& own) {
  std::array<StoredValue, kSettings.size()> ownValues;
  for (const Setting& setting : kSettings) {
    AppliedValue& applied = applied_[IndexOf(setting)];
    for (const PolicySource& policy : policies) {
      StoredValue value = Read(*policy.values, setting);
      if (value.state == StoredValue::State::Absent || !applied.policy.empty()) continue;
      applied = {std::move(value), policy.where};
      policyInForce_ = true;
    }
    ownValues[IndexOf(setting)] = Read(own, setting);
  }
  for (const Setting& setting : kSettings) {
    AppliedValue& applied = applied_[IndexOf(setting)];
    if (!applied.policy.empty()) continue;
    StoredValue& value = ownValues[IndexOf(setting)];
    applied.value = policyInForce_ ? MeaningOf(setting, value) : std::move(value);
  }
}

// A policy value that cannot be read switches nothing on; whoever reads it for its own sake
// reports it.
bool SettingsSnapshot::PolicySwitchesOn(const Setting& setting) const {
  const AppliedValue& applied = Applied(setting);
  return !applied.policy.empty() && applied.value.state == StoredValue::State::Number &&
         IsOn(setting, applied.value.number);
}

bool SettingsSnapshot::PolicyHides(const Setting& tab) const {
  return HidesATab(tab) && PolicySwitchesOn(kHideTabs) && PolicySwitchesOn(tab);
}

bool SettingsSnapshot::PolicyHidesAnyTab() const {
  for (const Setting* tab : kTabSettings) {
    if (PolicyHides(*tab)) return true;
  }
  return false;
}

}  // namespace quillmere
