#include "installer/registration_values.h"

namespace quillmere {

std::vector<InstallerRegistryValue> InstallerValuesFor(std::span<const RegistrationEntry> entries) {
  std::vector<InstallerRegistryValue> values;
  values.reserve(entries.size());
  for (const auto& entry : entries) {
    InstallerRegistryValue value;
    value.key = entry.key;
    value.name = entry.name;
    switch (entry.data) {
      case RegistrationData::Text: value.text = entry.text; break;
      case RegistrationData::Number:
        value.kind = InstallerValueKind::Dword;
        value.number = entry.number;
        break;
      case RegistrationData::ModulePath: value.source = InstallerValueSource::LibraryPath; break;
      case RegistrationData::ModuleFolder: value.source = InstallerValueSource::LibraryFolder; break;
    }
    values.push_back(std::move(value));
  }
  return values;
}

}  // namespace quillmere
