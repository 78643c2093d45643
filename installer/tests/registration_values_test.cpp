#include "installer/registration_values.h"

#include <gtest/gtest.h>

namespace quillmere {
namespace {

TEST(InstallerValuesFor, KeepsKeysNamesAndOrderAndMapsEachKindOfData) {
  const RegistrationEntry entries[] = {
      {"Software\\A", "", RegistrationData::Text, "text", 0},
      {"Software\\B", "N", RegistrationData::Number, "", 7},
      {"Software\\C", "", RegistrationData::ModulePath, "", 0},
      {"Software\\D", "F", RegistrationData::ModuleFolder, "", 0},
  };
  const auto values = InstallerValuesFor(entries);
  ASSERT_EQ(values.size(), 4u);
  EXPECT_EQ(values[0].key, "Software\\A");
  EXPECT_EQ(values[0].text, "text");
  EXPECT_EQ(values[0].source, InstallerValueSource::Literal);
  EXPECT_EQ(values[1].name, "N");
  EXPECT_EQ(values[1].kind, InstallerValueKind::Dword);
  EXPECT_EQ(values[1].number, 7u);
  EXPECT_EQ(values[2].source, InstallerValueSource::LibraryPath);
  EXPECT_EQ(values[3].source, InstallerValueSource::LibraryFolder);
  EXPECT_EQ(values[3].name, "F");
}

// The real table must pass the generator's checks for both builds.
TEST(InstallerValuesFor, TheAddInsTableMakesAValidIncludeForBothBuilds) {
  for (auto bitness : {ModuleBitness::Bits32, ModuleBitness::Bits64}) {
    const auto entries = RegistrationEntries(bitness);
    const std::string include = WixRegistryInclude(InstallerValuesFor(entries), "TessivarDll", "INSTALLDIR");
    std::size_t elements = 0;
    for (auto at = include.find("<RegistryValue"); at != std::string::npos; at = include.find("<RegistryValue", at + 1))
      ++elements;
    EXPECT_EQ(elements, entries.size());
  }
}

}  // namespace
}  // namespace quillmere
