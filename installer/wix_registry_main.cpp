// wix-registry: what the package sources take from the build.
//   wix-registry --version          the product version, e.g. 7.0.0
//   wix-registry --arch x86|x64     the WiX include with the add-in's registration for that build
#include "addin/registration_entries.h"
#include "installer/registration_values.h"
#include "installer/wix_registry.h"
#include "quillmere_version.h"

#include <cstdio>
#include <exception>
#include <string_view>

int main(int argc, char** argv) {
  using namespace quillmere;
  const std::string_view option = argc > 1 ? argv[1] : "";
  if (argc == 2 && option == "--version") {
    std::puts(QUILLMERE_VERSION_TEXT);
    return 0;
  }
  const std::string_view arch = argc == 3 ? argv[2] : "";
  if (option != "--arch" || (arch != "x86" && arch != "x64")) {
    std::fputs("usage: wix-registry --version | --arch x86|x64\n", stderr);
    return 2;
  }
  try {
    const auto entries = RegistrationEntries(arch == "x64" ? ModuleBitness::Bits64 : ModuleBitness::Bits32);
    const std::string include = WixRegistryInclude(InstallerValuesFor(entries), "TessivarDll", "INSTALLDIR");
    std::fwrite(include.data(), 1, include.size(), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "wix-registry: %s\n", e.what());
    return 1;
  }
}
