// wix-registry: what the package sources take from the build.
//   wix-registry --version          the product version, e.g. 7.0.0
//   wix-registry --arch x86|x64     the WiX include with the add-in's registration for that build
//   wix-registry --file-version F   the file version in F's version resource (exit 1 if none)
//   wix-registry --wrong-build-message x86|x64
//                                   what that package says beside a PowerPoint of the other bitness
#include "common/program_bitness.h"
#include "common/registration_table.h"
#include "common/version_resource.h"
#include "installer/registration_values.h"
#include "installer/wix_registry.h"
#include "quillmere_version.h"

#include <cstdio>
#include <exception>
#include <fstream>
#include <iterator>
#include <string_view>
#include <vector>

namespace {

int PrintFileVersion(const char* path) {
  std::ifstream file(path, std::ios::binary);
  const std::vector<char> bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  if (!file.eof() && !file) {
    std::fprintf(stderr, "wix-registry: cannot read %s\n", path);
    return 1;
  }
  const auto version = quillmere::FindFileVersion(std::as_bytes(std::span(bytes)));
  if (!version) {
    std::fprintf(stderr, "wix-registry: %s has no version resource\n", path);
    return 1;
  }
  std::puts(quillmere::DottedVersion(*version).c_str());
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace quillmere;
  const std::string_view option = argc > 1 ? argv[1] : "";
  if (argc == 2 && option == "--version") {
    std::puts(QUILLMERE_VERSION_TEXT);
    return 0;
  }
  if (argc == 3 && option == "--file-version") return PrintFileVersion(argv[2]);
  const std::string_view arch = argc == 3 ? argv[2] : "";
  if ((option != "--arch" && option != "--wrong-build-message") || (arch != "x86" && arch != "x64")) {
    std::fputs("usage: wix-registry --version | --arch x86|x64 | --file-version FILE | --wrong-build-message x86|x64\n",
               stderr);
    return 2;
  }
  const ModuleBitness build = arch == "x64" ? ModuleBitness::Bits64 : ModuleBitness::Bits32;
  if (option == "--wrong-build-message") {
    const ModuleBitness other = build == ModuleBitness::Bits64 ? ModuleBitness::Bits32 : ModuleBitness::Bits64;
    std::puts(WrongBuildMessage(other, build).c_str());
    return 0;
  }
  try {
    const auto entries = RegistrationEntries(build);
    const std::string include = WixRegistryInclude(InstallerValuesFor(entries), "TessivarDll", "INSTALLDIR");
    std::fwrite(include.data(), 1, include.size(), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "wix-registry: %s\n", e.what());
    return 1;
  }
}
