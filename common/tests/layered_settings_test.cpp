#include "common/layered_settings.h"

#include <gtest/gtest.h>

#include <exception>
#include <new>
#include <string>
#include <utility>

#include "common/memory_settings_store.h"

namespace quillmere {
namespace {

struct LayerCase {
  const char* name;
  MemorySettingsStore machine;
  MemorySettingsStore userPolicy;
  MemorySettingsStore own;
  std::optional<std::string> text;
  int policy;  // index of the policy that answers, -1 for none
};

class LayeredSettingsTest : public testing::TestWithParam<LayerCase> {};

TEST_P(LayeredSettingsTest, FirstLayerHoldingTheKeyAnswers) {
  LayerCase c = GetParam();
  LayeredSettings settings({{"machine", &c.machine}, {"user", &c.userPolicy}}, c.own);
  const LayeredValue value = settings.Lookup("Home");
  EXPECT_EQ(value.text, c.text);
  EXPECT_EQ(settings.Read("home"), c.text);
  if (c.policy < 0) {
    EXPECT_EQ(value.policy, nullptr);
  } else {
    ASSERT_NE(value.policy, nullptr);
    EXPECT_EQ(value.policy->where, c.policy == 0 ? "machine" : "user");
  }
}

INSTANTIATE_TEST_SUITE_P(
    Layers, LayeredSettingsTest,
    testing::Values(LayerCase{"NothingStored", {}, {}, {}, std::nullopt, -1},
                    LayerCase{"OwnStoreAlone", {}, {}, {{"Home", "0"}}, "0", -1},
                    LayerCase{"UserPolicyBeforeOwn", {}, {{"HOME", "1"}}, {{"Home", "0"}}, "1", 1},
                    LayerCase{"MachineBeforeUserPolicy", {{"Home", "0"}}, {{"Home", "1"}}, {}, "0", 0},
                    // Policy text is handed on as it is: the reader judges it as it judges the own store's.
                    LayerCase{"BadPolicyTextIsItsAnswer", {{"Home", "yes"}}, {}, {{"Home", "1"}}, "yes", 0},
                    LayerCase{"OtherKeysInPoliciesDoNotCount", {{"Left", "1"}}, {{"All", "1"}}, {}, std::nullopt, -1}),
    [](const auto& info) { return std::string(info.param.name); });

class UnreadableStore final : public SettingsStore {
 public:
  explicit UnreadableStore(std::exception_ptr error = std::make_exception_ptr(SettingsStoreError("access denied")))
      : error_(std::move(error)) {}
  std::optional<std::string> Read(std::string_view) const override { std::rethrow_exception(error_); }
  void Write(std::string_view, std::string_view) override {}

 private:
  std::exception_ptr error_;
};

TEST(LayeredSettingsTest, UnreadablePolicyNamesKeyAndPlace) {
  UnreadableStore machine;
  MemorySettingsStore own{{"Home", "0"}};
  LayeredSettings settings({{"HKLM\\Policies", &machine}}, own);
  try {
    settings.Read("Home");
    FAIL() << "no error";
  } catch (const SettingsStoreError& error) {
    EXPECT_STREQ(error.what(), "policy \"Home\" in HKLM\\Policies: access denied");
  }
}

TEST(LayeredSettingsTest, WritesReachOnlyTheOwnStore) {
  MemorySettingsStore machine{{"Home", "1"}};
  MemorySettingsStore own;
  LayeredSettings settings({{"machine", &machine}}, own);
  settings.Write("Home", "0");
  EXPECT_EQ(own.Read("Home"), "0");
  EXPECT_EQ(machine.Read("Home"), "1");
  EXPECT_EQ(settings.Read("Home"), "1");
}

// While a policy is in force, an own value counts only for what it means, and one that cannot be
// read counts as never stored.
TEST(LayeredSettingsTest, OwnValuesCountForTheirMeaningWhileAPolicyIsInForce) {
  UnreadableStore unreadable;
  MemorySettingsStore machine{{"All", "0"}};
  MemorySettingsStore own{{"Classic", "2"}, {"Left", "x"}, {"Insert", "1e300"}, {"View", "1e400"}, {"Home", "1.0"}};
  const LayeredSettings settings({{"machine", &machine}}, own);
  EXPECT_EQ(settings.Read("Classic"), "1");
  EXPECT_EQ(settings.Read("Left"), std::nullopt);
  EXPECT_EQ(settings.Read("Insert"), "0");
  EXPECT_EQ(settings.Read("View"), std::nullopt);
  EXPECT_EQ(settings.Read("home"), "1");
  EXPECT_EQ(LayeredSettings({{"machine", &machine}}, unreadable).Read("Home"), std::nullopt);
  UnreadableStore outOfMemory(std::make_exception_ptr(std::bad_alloc()));  // a value too large to hold
  EXPECT_EQ(LayeredSettings({{"machine", &machine}}, outOfMemory).Read("Classic"), std::nullopt);
  // An unreadable policy is in force too.
  EXPECT_EQ(LayeredSettings({{"machine", &unreadable}}, own).PolicyInForce(), true);
  MemorySettingsStore none;
  EXPECT_EQ(LayeredSettings({{"machine", &none}}, own).Read("Left"), "x");
}

}  // namespace
}  // namespace quillmere
