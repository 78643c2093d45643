#include <gtest/gtest.h>

#include <algorithm>
#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <locale>
#include <memory>
#include <optional>
#include <string>

#include "common/file_settings_store.h"
#include "common/memory_settings_store.h"
#include "common/settings_table.h"

namespace quillmere {
namespace {

// A parameterised test's name holds a "/", which would make a nested folder.
std::string FlatName(std::string name) {
  std::replace(name.begin(), name.end(), '/', '-');
  return name;
}

// Both stores must behave alike; each test runs against each.
class SettingsStoreTest : public testing::TestWithParam<std::string> {
 protected:
  void SetUp() override {
    if (GetParam() == "memory") {
      store_ = std::make_unique<MemorySettingsStore>();
    } else {
      directory_ = std::filesystem::temp_directory_path() /
                   ("quillmere-store-" + std::to_string(::getpid()) + "-" +
                    FlatName(testing::UnitTest::GetInstance()->current_test_info()->name()));
      std::filesystem::remove_all(directory_);
      store_ = std::make_unique<FileSettingsStore>(directory_ / "Varnholt" / "Quillmere.conf");
    }
  }
  void TearDown() override {
    if (!directory_.empty()) std::filesystem::remove_all(directory_);
  }

  std::unique_ptr<SettingsStore> store_;
  std::filesystem::path directory_;
};

TEST_P(SettingsStoreTest, AbsentKeyGivesNothing) { EXPECT_EQ(store_->Read("Classic"), std::nullopt); }

TEST_P(SettingsStoreTest, WrittenTextIsReadBackWholeUnderAnyLetterCase) {
  SaveSetting(*store_, "Hide built-in Tabs", "1");
  EXPECT_EQ(store_->Read("HIDE BUILT-IN TABS"), "1");
  SaveSetting(*store_, "hide built-in tabs", " 0 ");
  EXPECT_EQ(store_->Read("Hide built-in Tabs"), " 0 ");
}

TEST_P(SettingsStoreTest, KeepsOddCharactersInKeysAndValues) {
  const std::string key = "a=b\\c";
  const std::string value = "line\none\r=\\ … ";
  SaveSetting(*store_, key, value);
  SaveSetting(*store_, "Left", "");
  EXPECT_EQ(store_->Read(key), value);
  EXPECT_EQ(store_->Read("Left"), "");
  EXPECT_EQ(store_->Read("a"), std::nullopt);
}

TEST_P(SettingsStoreTest, WritingOneKeyLeavesTheOthers) {
  for (const Setting& setting : kSettings) SaveSetting(*store_, setting.key, "0");
  SaveSetting(*store_, "Format", "1");
  for (const Setting& setting : kSettings) {
    EXPECT_EQ(store_->Read(setting.key), setting.key == "Format" ? "1" : "0") << setting.key;
  }
}

// A Turkish user's locale lower-cases "I" to a dotless "ı", and the C library's narrow tolower()
// leaves it "I": keys must be found all the same.
TEST_P(SettingsStoreTest, FindsKeysWhateverTheUsersLocale) {
  const std::string previous = std::setlocale(LC_ALL, nullptr);
  ASSERT_NE(std::setlocale(LC_ALL, "tr_TR.UTF-8"), nullptr) << "no Turkish locale here: run scripts/setup.sh native";
  const std::locale previousGlobal = std::locale::global(std::locale("tr_TR.UTF-8"));
  SaveSetting(*store_, "CLASSIC", "0");
  SaveSetting(*store_, "INSERT", "1");
  SaveSetting(*store_, "hide built-in tabs", "1");
  const std::optional<std::string> classic = store_->Read("Classic"), insert = store_->Read("Insert"),
                                   hiding = store_->Read("HIDE BUILT-IN TABS");
  std::locale::global(previousGlobal);
  std::setlocale(LC_ALL, previous.c_str());
  EXPECT_EQ(classic, "0");
  EXPECT_EQ(insert, "1");
  EXPECT_EQ(hiding, "1");
}

INSTANTIATE_TEST_SUITE_P(Stores, SettingsStoreTest, testing::Values("memory", "file"));

TEST(FileSettingsStoreTest, ForCurrentUserFollowsXdgConfigHome) {
  ::setenv("XDG_CONFIG_HOME", "/tmp/quillmere-xdg", 1);
  EXPECT_EQ(FileSettingsStore::ForCurrentUser().File(),
            std::filesystem::path("/tmp/quillmere-xdg/Varnholt/Quillmere.conf"));
  ::unsetenv("XDG_CONFIG_HOME");
  ::setenv("HOME", "/home/someone", 1);
  EXPECT_EQ(FileSettingsStore::ForCurrentUser().File(),
            std::filesystem::path("/home/someone/.config/Varnholt/Quillmere.conf"));
}

TEST(FileSettingsStoreTest, UnreadableFileIsAStoreErrorNotAnAbsentKey) {
  auto directory = std::filesystem::temp_directory_path() / "quillmere-store-unreadable";
  std::filesystem::create_directories(directory / "Quillmere.conf");  // a folder where the file should be
  FileSettingsStore store(directory / "Quillmere.conf");
  EXPECT_THROW(store.Read("Classic"), SettingsStoreError);
  EXPECT_THROW(store.Write("Classic", "1"), SettingsStoreError);
  std::filesystem::remove_all(directory);
}

}  // namespace
}  // namespace quillmere
