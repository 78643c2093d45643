#include "common/registration_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <set>
#include <string>
#include <utility>

namespace quillmere {
namespace {

struct BitnessCase {
  ModuleBitness bitness;
  const char* platform;
};
void PrintTo(const BitnessCase& c, std::ostream* os) { *os << c.platform; }

class RegistrationTable : public testing::TestWithParam<BitnessCase> {
 protected:
  std::span<const RegistrationEntry> entries = RegistrationEntries(GetParam().bitness);

  const RegistrationEntry* Find(std::string_view key, std::string_view name = "") const {
    const auto it =
        std::find_if(entries.begin(), entries.end(), [&](const auto& e) { return e.key == key && e.name == name; });
    return it == entries.end() ? nullptr : &*it;
  }
};

TEST_P(RegistrationTable, EachValueIsWrittenOnce) {
  std::set<std::pair<std::string, std::string>> seen;
  for (const auto& entry : entries)
    EXPECT_TRUE(seen.emplace(entry.key, entry.name).second) << entry.key << " " << entry.name;
}

// Unregistering deletes these keys whole; an entry outside them would be left behind.
TEST_P(RegistrationTable, EveryValueLiesBelowAKeyThatUnregisteringDeletes) {
  for (const auto& entry : entries) {
    const bool covered = std::any_of(RegistrationKeys().begin(), RegistrationKeys().end(), [&](std::string_view key) {
      return entry.key == key ||
             (entry.key.size() > key.size() && entry.key.substr(0, key.size()) == key && entry.key[key.size()] == '\\');
    });
    EXPECT_TRUE(covered) << entry.key;
  }
}

TEST_P(RegistrationTable, EntersTheAddInForPowerPointWithLoadBehaviourThree) {
  const std::string key = "Software\\Microsoft\\Office\\PowerPoint\\AddIns\\" + std::string(kConnectProgId);
  const auto* name = Find(key, "FriendlyName");
  const auto* description = Find(key, "Description");
  const auto* load = Find(key, "LoadBehavior");
  ASSERT_TRUE(name && description && load);
  EXPECT_EQ(name->text, "Quillmere");
  EXPECT_EQ(description->text, "Add-In Project Template");
  EXPECT_EQ(load->data, RegistrationData::Number);
  EXPECT_EQ(load->number, 3u);
}

TEST_P(RegistrationTable, ProgIdLeadsToAnApartmentServerInThisModule) {
  const auto* clsid = Find("Software\\Classes\\Halverin.Connect\\CLSID");
  ASSERT_TRUE(clsid);
  EXPECT_EQ(clsid->text, kConnectClsid);
  const std::string server = "Software\\Classes\\CLSID\\" + std::string(kConnectClsid) + "\\InprocServer32";
  const auto* path = Find(server);
  const auto* threading = Find(server, "ThreadingModel");
  ASSERT_TRUE(path && threading);
  EXPECT_EQ(path->data, RegistrationData::ModulePath);
  EXPECT_EQ(threading->text, "Apartment");
}

TEST_P(RegistrationTable, TypeLibraryNamesThisModulesPlatformOnly) {
  const std::string base = "Software\\Classes\\TypeLib\\" + std::string(kHalverinLibId) + "\\1.0\\0\\";
  const std::string other = std::string(GetParam().platform) == "win32" ? "win64" : "win32";
  const auto* own = Find(base + GetParam().platform);
  ASSERT_TRUE(own);
  EXPECT_EQ(own->data, RegistrationData::ModulePath);
  EXPECT_FALSE(Find(base + other));
}

INSTANTIATE_TEST_SUITE_P(Builds, RegistrationTable,
                         testing::Values(BitnessCase{ModuleBitness::Bits32, "win32"},
                                         BitnessCase{ModuleBitness::Bits64, "win64"}),
                         [](const auto& info) { return std::string(info.param.platform); });

}  // namespace
}  // namespace quillmere
