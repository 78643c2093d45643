#pragma once

#include <windows.h>

#include <vector>

#include "common/settings_snapshot.h"
#include "common/registry_settings_store_win.h"

namespace quillmere {

// The settings an administrator enforces through Group Policy: values named by the settings'
// keys under Software\Policies\Varnholt\Quillmere, first the machine's, then the user's. Read
// exactly as the user's own store is read (REG_SZ text, REG_DWORD as its decimal text); never
// written.
class RegistryPolicies {
 public:
  RegistryPolicies();
  RegistryPolicies(const RegistryPolicies&) = delete;
  RegistryPolicies& operator=(const RegistryPolicies&) = delete;

  // Machine first: it wins over the user's policy.
  std::vector<PolicySource> Sources() const;

 private:
  class ReadOnlyStore final : public SettingsStore {
   public:
    explicit ReadOnlyStore(HKEY root);
    std::optional<std::string> Read(std::string_view key) const override { return values_.Read(key); }
    void Write(std::string_view key, std::string_view value) override;

   private:
    RegistrySettingsStore values_;
  };

  ReadOnlyStore machine_{HKEY_LOCAL_MACHINE};
  ReadOnlyStore user_{HKEY_CURRENT_USER};
};

}  // namespace quillmere
