#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "common/settings_store.h"
#include "common/settings_table.h"

namespace quillmere {

// Settings an administrator enforces: one read-only set of values and where it lives, for
// messages ("HKEY_LOCAL_MACHINE\Software\Policies\Varnholt\Quillmere").
struct PolicySource {
  std::string where;
  const SettingsStore* values;
};

// A policy holds the key, but its value cannot be read (an odd registry type, a key the user may
// not open). what() names the key and where the policy lives.
class PolicyReadError : public SettingsStoreError {
 public:
  PolicyReadError(const PolicySource& policy, std::string_view key, const std::string& reason)
      : SettingsStoreError("policy \"" + std::string(key) + "\" in " + policy.where + ": " + reason),
        policy_(&policy),
        reason_(reason) {}

  const PolicySource& Policy() const { return *policy_; }
  const std::string& Reason() const { return reason_; }

 private:
  const PolicySource* policy_;
  std::string reason_;
};

// A key's value and the policy that set it (none when the user's own store answered or nothing
// is stored).
struct LayeredValue {
  std::optional<std::string> text;
  const PolicySource* policy = nullptr;
};

// Each setting as it applies: from the first policy that sets it, else from the user's own
// store. Writes go to the user's own store only, so the user's choices come back when a policy
// is removed.
//
// While any policy is in force, nothing in the user's own store may undo it: an own value is
// handed on as what it means to the add-in ("1" on, "0" off), and one that cannot be read (not a
// number, beyond its range, an odd registry type, too large, any failure of the read) counts as
// never stored, so its default applies.
// Without a policy the own store's text is handed on as it is.
class LayeredSettings final : public SettingsStore {
 public:
  LayeredSettings(std::vector<PolicySource> policies, SettingsStore& user)
      : policies_(std::move(policies)), user_(user) {}

  LayeredValue Lookup(std::string_view key) const;
  // The value of the first policy that sets the key; nothing when the user's own store decides.
  LayeredValue PolicyValue(std::string_view key) const;
  std::optional<std::string> Read(std::string_view key) const override { return Lookup(key).text; }
  void Write(std::string_view key, std::string_view value) override { user_.Write(key, value); }

  // Whether a policy holds any of the product's settings, even one it cannot read.
  bool PolicyInForce() const;
  // Whether the administrator hides this built-in tab: policies switch both the master switch
  // and the tab on, as the add-in reads them. Then no own value can bring the tab back.
  bool PolicyHides(const Setting& tab) const;
  bool PolicyHidesAnyTab() const;

 private:
  std::optional<std::string> ReadPolicy(const PolicySource& policy, std::string_view key) const;
  std::optional<std::string> OwnMeaning(std::string_view key) const;
  bool PolicySwitchesOn(const Setting& setting) const;

  std::vector<PolicySource> policies_;
  SettingsStore& user_;
  mutable std::optional<bool> inForce_;  // policies are looked at once per set of layers
};

}  // namespace quillmere
