#pragma once

#include "common/registration_table.h"
#include "installer/wix_registry.h"

#include <span>
#include <vector>

namespace quillmere {

// The add-in's registration as installer registry values: the same keys, names and data, with
// the module's path and folder taken from where the package puts Tessivar.dll.
std::vector<InstallerRegistryValue> InstallerValuesFor(std::span<const RegistrationEntry> entries);

}  // namespace quillmere
