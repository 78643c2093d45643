#include "common/settings_snapshot.h"

#include <exception>
#include <utility>

namespace quillmere {
namespace {

// A read the store could not carry out is kept as unreadable. Any other failure (no memory)
// fails the snapshot, unless `anyFailure`: then it is kept as unreadable too.
StoredValue Read(const SettingsStore& store, const Setting& setting, bool anyFailure) {
  try {
    return ValueOf(setting, store.Read(setting.key));
  } catch (const SettingsStoreError& error) {
    return StoredValue::Unreadable(error.what());
  } catch (const std::exception& error) {
    if (!anyFailure) throw;
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
  for (const Setting& setting : kSettings) {
    AppliedValue& applied = applied_[IndexOf(setting)];
    for (const PolicySource& policy : policies) {
      StoredValue value = Read(*policy.values, setting, false);
      if (value.state == StoredValue::State::Absent || !applied.policy.empty()) continue;
      applied = {std::move(value), policy.where};
      policyInForce_ = true;
    }
  }
  for (const Setting& setting : kSettings) {
    AppliedValue& applied = applied_[IndexOf(setting)];
    if (!applied.policy.empty()) continue;
    // Under a policy an own value that fails in any way, too large to hold included, is no value.
    applied.value = policyInForce_ ? MeaningOf(setting, Read(own, setting, true)) : Read(own, setting, false);
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
