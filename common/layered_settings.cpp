#include "common/layered_settings.h"

namespace quillmere {

std::optional<std::string> LayeredSettings::ReadPolicy(const PolicySource& policy, std::string_view key) const {
  try {
    return policy.values->Read(key);
  } catch (const SettingsStoreError& error) {
    throw SettingsStoreError("policy \"" + std::string(key) + "\" in " + policy.where + ": " + error.what());
  }
}

LayeredValue LayeredSettings::PolicyValue(std::string_view key) const {
  for (const PolicySource& policy : policies_) {
    if (auto text = ReadPolicy(policy, key)) return {std::move(text), &policy};
  }
  return {};
}

LayeredValue LayeredSettings::Lookup(std::string_view key) const {
  LayeredValue value = PolicyValue(key);
  if (value.policy == nullptr) value.text = user_.Read(key);
  return value;
}

}  // namespace quillmere
