#include "common/settings_snapshot.h"

#include <gtest/gtest.h>

#include <map>
#include <new>
#include <optional>
#include <string>

#include "common/memory_settings_store.h"

namespace quillmere {
namespace {

using State = StoredValue::State;

struct LayerCase {
  const char* name;
  MemorySettingsStore machine;
  MemorySettingsStore userPolicy;
  MemorySettingsStore own;
  State state;
  std::string text;
  std::string policy;  // where the policy that answers lives; empty for the user's own store
};

class SettingsSnapshotTest : public testing::TestWithParam<LayerCase> {};

TEST_P(SettingsSnapshotTest, FirstLayerHoldingTheKeyAnswers) {
  const LayerCase& c = GetParam();
  const PolicySource policies[] = {{"machine", &c.machine}, {"user", &c.userPolicy}};
  const SettingsSnapshot settings(policies, c.own);
  const AppliedValue& applied = settings.Applied(kHome);
  EXPECT_EQ(applied.value.state, c.state);
  EXPECT_EQ(applied.value.text, c.text);
  EXPECT_EQ(applied.policy, c.policy);
}

INSTANTIATE_TEST_SUITE_P(
    Layers, SettingsSnapshotTest,
    testing::Values(
        LayerCase{"NothingStored", {}, {}, {}, State::Absent, "", ""},
        LayerCase{"OwnStoreAlone", {}, {}, {{"Home", "0.5"}}, State::Number, "0.5", ""},
        LayerCase{"UserPolicyBeforeOwn", {}, {{"HOME", "1"}}, {{"Home", "0"}}, State::Number, "1", "user"},
        LayerCase{"MachineBeforeUserPolicy", {{"Home", "0"}}, {{"Home", "1"}}, {}, State::Number, "0", "machine"},
        // A policy's text is its answer, however bad: the reader reports it.
        LayerCase{
            "BadPolicyTextIsItsAnswer", {{"Home", "yes"}}, {}, {{"Home", "1"}}, State::NotANumber, "yes", "machine"},
        // While any policy is in force, an own value counts only for what it means.
        LayerCase{"OwnValueMeansOnOrOffUnderAPolicy", {{"Left", "1"}}, {}, {{"Home", "1.0"}}, State::Number, "1", ""},
        LayerCase{
            "BadOwnValueCountsAsNeverStoredUnderAPolicy", {{"All", "1"}}, {}, {{"Home", "x"}}, State::Absent, "", ""}),
    [](const auto& info) { return std::string(info.param.name); });

// A store that fails for the keys it is told, and counts every read.
class CountingStore final : public SettingsStore {
 public:
  explicit CountingStore(std::map<std::string, std::string> values = {}, std::string failing = {})
      : values_(std::move(values)), failing_(std::move(failing)) {}
  std::optional<std::string> Read(std::string_view key) const override {
    ++reads_[std::string(key)];
    if (key == failing_ || failing_ == "*") throw SettingsStoreError("access denied");
    const auto value = values_.find(std::string(key));
    return value == values_.end() ? std::nullopt : std::optional(value->second);
  }
  void Write(std::string_view, std::string_view) override {}
  int MostReadsOfOneKey() const {
    int most = 0;
    for (const auto& [key, count] : reads_) most = std::max(most, count);
    return most;
  }

 private:
  std::map<std::string, std::string> values_;
  std::string failing_;
  mutable std::map<std::string, int> reads_;
};

TEST(SettingsSnapshotTest, AsksEachKeyOfEachSourceOnceAndRemembersAFailedRead) {
  const CountingStore machine({{"Hide built-in Tabs", "1"}, {"Home", "1"}}, "Insert");
  const CountingStore user({}, "*");
  const CountingStore own({{"Classic", "1"}}, "Left");
  const PolicySource policies[] = {{"machine", &machine}, {"user", &user}};
  const SettingsSnapshot settings(policies, own);
  for (int i = 0; i < 3; ++i) {
    EXPECT_TRUE(settings.PolicyHidesAnyTab());
    EXPECT_EQ(settings.Applied(SettingOf("Insert")).value.state, State::Unreadable);
  }
  EXPECT_EQ(settings.Applied(SettingOf("Insert")).value.text, "access denied");
  EXPECT_EQ(settings.Applied(SettingOf("Insert")).policy, "machine");
  for (const CountingStore* source : {&machine, &user, &own}) EXPECT_LE(source->MostReadsOfOneKey(), 1);
}

// Under a policy an own read that fails in any way, running out of memory for a huge value
// included, leaves the setting's default; without one, running out of memory is a failure.
TEST(SettingsSnapshotTest, UnderAPolicyAnOwnReadThatFailsInAnyWayLeavesTheDefault) {
  class OutOfMemory final : public SettingsStore {
   public:
    std::optional<std::string> Read(std::string_view) const override { throw std::bad_alloc(); }
    void Write(std::string_view, std::string_view) override {}
  } own;
  const MemorySettingsStore machine{{"All", "0"}};
  const PolicySource policies[] = {{"machine", &machine}};
  EXPECT_EQ(SettingsSnapshot(policies, own).Applied(kClassic).value.state, State::Absent);
  EXPECT_THROW(SettingsSnapshot{own}, std::bad_alloc);
}

TEST(SettingsSnapshotTest, PolicyHidesATabOnlyWithTheMasterSwitchAndReadablePolicies) {
  const MemorySettingsStore own{{"Hide built-in Tabs", "1"}, {"Home", "1"}};
  const auto hides = [&](MemorySettingsStore machine) {
    const PolicySource policies[] = {{"machine", &machine}};
    return SettingsSnapshot(policies, own).PolicyHides(kHome);
  };
  EXPECT_TRUE(hides({{"Hide built-in Tabs", "1"}, {"Home", "1"}}));
  EXPECT_FALSE(hides({{"Home", "1"}}));  // the user's own master switch does not count
  EXPECT_FALSE(hides({{"Hide built-in Tabs", "1"}, {"Home", "yes"}}));
  EXPECT_FALSE(hides({{"Hide built-in Tabs", "1"}, {"Home", "0"}}));
  EXPECT_FALSE(SettingsSnapshot(own).PolicyInForce());
}

}  // namespace
}  // namespace quillmere
