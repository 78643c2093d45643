#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "common/settings_store.h"

namespace quillmere {

// Settings an administrator enforces: one read-only set of values and where it lives, for
// messages ("HKEY_LOCAL_MACHINE\Software\Policies\Varnholt\Quillmere").
struct PolicySource {
  std::string where;
  const SettingsStore* values;
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
class LayeredSettings final : public SettingsStore {
 public:
  LayeredSettings(std::vector<PolicySource> policies, SettingsStore& user)
      : policies_(std::move(policies)), user_(user) {}

  LayeredValue Lookup(std::string_view key) const;
  // The value of the first policy that sets the key; nothing when the user's own store decides.
  LayeredValue PolicyValue(std::string_view key) const;
  std::optional<std::string> Read(std::string_view key) const override { return Lookup(key).text; }
  void Write(std::string_view key, std::string_view value) override { user_.Write(key, value); }

 private:
  std::optional<std::string> ReadPolicy(const PolicySource& policy, std::string_view key) const;

  std::vector<PolicySource> policies_;
  SettingsStore& user_;
};

}  // namespace quillmere
