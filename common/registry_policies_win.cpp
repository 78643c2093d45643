#include "common/registry_policies_win.h"

#include <string>

namespace quillmere {
namespace {

std::wstring WidePolicyPath() {
  const std::string path = PolicyKeyPath();
  return {path.begin(), path.end()};  // ASCII only
}

// On 64-bit Windows the 32-bit add-in must read where 64-bit Group Policy tools wrote. The
// policy keys are listed as shared between the two registry views, but asking for the 64-bit view
// reads the administrator's values even on a Windows that redirects them; 32-bit Windows has one
// view and ignores the flag.
constexpr REGSAM kPolicyView = KEY_WOW64_64KEY;

}  // namespace

RegistryPolicies::ReadOnlyStore::ReadOnlyStore(HKEY root) : values_(root, WidePolicyPath(), kPolicyView) {}

void RegistryPolicies::ReadOnlyStore::Write(std::string_view key, std::string_view) {
  throw SettingsStoreError("policy \"" + std::string(key) + "\" is set by the administrator and cannot be written");
}

RegistryPolicies::RegistryPolicies() = default;

std::vector<PolicySource> RegistryPolicies::Sources() const {
  return {{"HKEY_LOCAL_MACHINE\\" + PolicyKeyPath(), &machine_}, {"HKEY_CURRENT_USER\\" + PolicyKeyPath(), &user_}};
}

}  // namespace quillmere
