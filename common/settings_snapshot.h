#pragma once

// The product's settings as they stand at one moment: read once from the administrator's policies
// and from the user's own store, so that one document, or one set-up of the control panel, sees one
// consistent set of values, and each key is asked of each source once.

#include <array>
#include <span>
#include <string>
#include <string_view>

#include "common/setting_value.h"
#include "common/settings_store.h"
#include "common/settings_table.h"

namespace quillmere {

// Settings an administrator enforces: where they live, for messages
// ("HKEY_LOCAL_MACHINE\Software\Policies\Varnholt\Quillmere"), and their read-only values.
struct PolicySource {
  std::string where;
  const SettingsStore* values;
};

// A setting's value as it applies, and where the policy that set it lives (empty when the user's
// own store decides).
struct AppliedValue {
  StoredValue value;
  std::string policy;
};

class SettingsSnapshot {
 public:
  // Reads each setting from every policy source, in precedence order (the machine's first), and
  // from the user's own store where no policy holds it. A read the store could not carry out (an
  // odd registry type, a value too large) is kept as unreadable, to be reported by whoever needs
  // that value; running out of memory fails the snapshot, except for own values under a policy.
  SettingsSnapshot(std::span<const PolicySource> policies, const SettingsStore& own);
  // The user's own settings alone, with no policy: for tools and tests.
  explicit SettingsSnapshot(const SettingsStore& own) : SettingsSnapshot({}, own) {}

  // The setting as it applies: from the first policy that holds it, else from the user's own
  // store. While any policy is in force nothing in the user's own store may undo it: an own value
  // counts only as what it means (on or off), and one that cannot be used (unreadable, not a
  // number) as never stored, so that its default applies.
  const AppliedValue& Applied(const Setting& setting) const { return applied_[IndexOf(setting)]; }

  // Whether a policy holds any setting, even one it cannot read.
  bool PolicyInForce() const { return policyInForce_; }
  // Whether the administrator hides this built-in tab: readable policies switch on both "Hide
  // built-in Tabs" and the tab. Then no own value can bring the tab back.
  bool PolicyHides(const Setting& tab) const;
  bool PolicyHidesAnyTab() const;

 private:
  bool PolicySwitchesOn(const Setting& setting) const;

  std::array<AppliedValue, kSettings.size()> applied_;
  bool policyInForce_ = false;
};

}  // namespace quillmere
