#include "common/layered_settings.h"

#include <exception>

namespace quillmere {
namespace {

const Setting* FindSetting(std::string_view key) {
  for (const Setting& setting : kSettings) {
    if (KeysEqual(setting.key, key)) return &setting;
  }
  return nullptr;
}

}  // namespace

std::optional<std::string> LayeredSettings::ReadPolicy(const PolicySource& policy, std::string_view key) const {
  try {
    return policy.values->Read(key);
  } catch (const SettingsStoreError& error) {
    throw PolicyReadError(policy, key, error.what());
  }
}

LayeredValue LayeredSettings::PolicyValue(std::string_view key) const {
  for (const PolicySource& policy : policies_) {
    if (auto text = ReadPolicy(policy, key)) return {std::move(text), &policy};
  }
  return {};
}

bool LayeredSettings::PolicyInForce() const {
  if (!inForce_) {
    inForce_ = false;
    for (const PolicySource& policy : policies_) {
      for (const Setting& setting : kSettings) {
        try {
          if (policy.values->Read(setting.key)) inForce_ = true;
        } catch (const SettingsStoreError&) {
          inForce_ = true;  // there, though unreadable
        }
        if (*inForce_) return true;
      }
    }
  }
  return *inForce_;
}

// A policy value that cannot be read switches nothing on; reading it for the document reports it.
bool LayeredSettings::PolicySwitchesOn(const Setting& setting) const {
  try {
    const LayeredValue value = PolicyValue(setting.key);
    if (value.policy == nullptr) return false;
    const auto number = StoredNumber(setting, *value.text, ReaderWidth::AddIn);
    return number && IsOn(setting, *number);
  } catch (const SettingsStoreError&) {
    return false;
  }
}

bool LayeredSettings::PolicyHides(const Setting& tab) const {
  return !tab.hiddenTab.empty() && PolicySwitchesOn(SettingOf(kHideTabsKey)) && PolicySwitchesOn(tab);
}

bool LayeredSettings::PolicyHidesAnyTab() const {
  for (const Setting& setting : kSettings) {
    if (PolicyHides(setting)) return true;
  }
  return false;
}

std::optional<std::string> LayeredSettings::OwnMeaning(std::string_view key) const {
  const Setting* setting = FindSetting(key);
  if (setting == nullptr) return user_.Read(key);
  std::optional<std::string> text;
  try {
    text = user_.Read(key);
  } catch (const std::exception&) {  // not only the store's own errors: running out of memory too
    return std::nullopt;
  }
  if (!text) return std::nullopt;
  const auto number = StoredNumber(*setting, *text, ReaderWidth::AddIn);
  if (!number) return std::nullopt;
  return IsOn(*setting, *number) ? "1" : "0";
}

LayeredValue LayeredSettings::Lookup(std::string_view key) const {
  LayeredValue value = PolicyValue(key);
  if (value.policy == nullptr) value.text = PolicyInForce() ? OwnMeaning(key) : user_.Read(key);
  return value;
}

}  // namespace quillmere
