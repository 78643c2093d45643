#include "panel/box_rules.h"

#include <gtest/gtest.h>

#include <array>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace quillmere {
namespace {

using Change = std::pair<int, bool>;
using Changes = std::vector<Change>;

BoxStates Checked(std::initializer_list<int> indexes) {
  BoxStates states{};
  for (int index : indexes) states[index] = true;
  return states;
}

struct RuleCase {
  const char* name;
  BoxStates before;
  int box;
  bool checked;
  Changes changes;  // in the order they must happen
  BoxStates after;
};

void PrintTo(const RuleCase& c, std::ostream* out) { *out << c.name; }

class BoxRuleTest : public testing::TestWithParam<RuleCase> {};

TEST_P(BoxRuleTest, ChangesFollowDepthFirstInOrder) {
  const auto& c = GetParam();
  BoxRules boxes(c.before);
  Changes seen;
  boxes.SetListener([&](int index, bool checked) { seen.emplace_back(index, checked); });
  boxes.Set(c.box, c.checked);
  EXPECT_EQ(seen, c.changes);
  EXPECT_EQ(boxes.States(), c.after);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, BoxRuleTest,
    testing::Values(
        RuleCase{"ClassicOnAloneBringsLeftAndAll", {}, 0, true, {{0, true}, {1, true}, {2, true}}, Checked({0, 1, 2})},
        RuleCase{"ClassicOnWithATabBoxChangesNothingElse", Checked({5, 11}), 0, true, {{0, true}}, Checked({0, 5, 11})},
        // Box 12 counts too, even alone (the window never shows it so, the rule still holds).
        RuleCase{"ClassicOnWithOnlyFormatChangesNothingElse", Checked({12}), 0, true, {{0, true}}, Checked({0, 12})},
        RuleCase{"ClassicOffClearsEveryBoxInOrder",
                 Checked({0, 2, 4, 11, 12}),
                 0,
                 false,
                 {{0, false}, {2, false}, {4, false}, {11, false}, {12, false}},
                 {}},
        RuleCase{"LeftOnClearsHome", Checked({0, 3}), 1, true, {{1, true}, {3, false}}, Checked({0, 1})},
        RuleCase{"LeftOnAloneChecksClassicWithoutItsDefaults", {}, 1, true, {{1, true}, {0, true}}, Checked({0, 1})},
        RuleCase{"HomeOnClearsLeftButNotTheMasterSwitch",
                 Checked({0, 1, 2}),
                 3,
                 true,
                 {{3, true}, {1, false}},
                 Checked({0, 2, 3})},
        RuleCase{"HomeOnAloneChecksClassicOnly", {}, 3, true, {{3, true}, {0, true}}, Checked({0, 3})},
        RuleCase{"TabBoxOnChecksMasterSwitchThenClassic",
                 {},
                 7,
                 true,
                 {{7, true}, {11, true}, {0, true}},
                 Checked({0, 7, 11})},
        RuleCase{"FormatIsATabBoxToo", Checked({0}), 12, true, {{12, true}, {11, true}}, Checked({0, 11, 12})},
        RuleCase{"MasterOnChecksAllTabsAndClearsLeft",
                 Checked({0, 1, 2}),
                 11,
                 true,
                 {{11, true},
                  {3, true},
                  {1, false},
                  {4, true},
                  {5, true},
                  {6, true},
                  {7, true},
                  {8, true},
                  {9, true},
                  {10, true},
                  {12, true}},
                 Checked({0, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12})},
        RuleCase{"MasterOnFromNothingChecksClassicThroughHome",
                 {},
                 11,
                 true,
                 {{11, true},
                  {3, true},
                  {0, true},
                  {4, true},
                  {5, true},
                  {6, true},
                  {7, true},
                  {8, true},
                  {9, true},
                  {10, true},
                  {12, true}},
                 Checked({0, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12})},
        RuleCase{"MasterOnWithATabBoxAlreadyCheckedAddsNothing",
                 Checked({0, 1, 6}),
                 11,
                 true,
                 {{11, true}},
                 Checked({0, 1, 6, 11})},
        RuleCase{"MasterOffClearsTheNineTabBoxes",
                 Checked({0, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}),
                 11,
                 false,
                 {{11, false},
                  {3, false},
                  {4, false},
                  {5, false},
                  {6, false},
                  {7, false},
                  {8, false},
                  {9, false},
                  {10, false},
                  {12, false}},
                 Checked({0, 2})},
        RuleCase{"ClearingADependentBoxRunsNothingElse", Checked({0, 1, 2}), 2, false, {{2, false}}, Checked({0, 1})},
        RuleCase{"SettingTheCurrentStateRunsNothing", Checked({0, 1}), 0, true, {}, Checked({0, 1})}),
    [](const auto& info) { return std::string(info.param.name); });

// What the rules keep true once a user has clicked: the dependent boxes need the Classic tab,
// the Classic tab cannot stand left of a hidden Home tab, and a hidden tab other than Home
// needs the master switch.
bool Consistent(const BoxStates& s) {
  bool anyDependent = false;
  bool anyMasteredTab = false;
  for (int i = 0; i < kBoxCount; ++i) {
    anyDependent = anyDependent || (i != kClassicBox && s[i]);
    anyMasteredTab = anyMasteredTab || (i != kHomeBox && IsTabBox(i) && s[i]);
  }
  return (!anyDependent || s[kClassicBox]) && !(s[kLeftBox] && s[kHomeBox]) && (!anyMasteredTab || s[kHideTabsBox]);
}

TEST(BoxRulesTest, EveryClickOnEveryConsistentStateStaysConsistent) {
  int consistentStates = 0;
  for (unsigned bits = 0; bits < (1u << kBoxCount); ++bits) {
    BoxStates start{};
    for (int i = 0; i < kBoxCount; ++i) start[i] = (bits >> i) & 1u;
    if (!Consistent(start)) continue;
    ++consistentStates;
    for (int box = 0; box < kBoxCount; ++box) {
      BoxRules boxes(start);
      std::array<int, kBoxCount> changes{};
      boxes.SetListener([&](int index, bool) { ++changes[index]; });
      boxes.Toggle(box);
      ASSERT_TRUE(Consistent(boxes.States())) << "state " << bits << ", click on " << box;
      // The clicked box keeps the state the user gave it.
      EXPECT_NE(boxes.IsChecked(box), start[box]) << "state " << bits << ", click on " << box;
      // Each box changes at most once per click: no rule undoes another's work.
      for (int i = 0; i < kBoxCount; ++i) {
        EXPECT_LE(changes[i], 1) << "state " << bits << ", click on " << box << ", box " << i;
      }
    }
  }
  EXPECT_GT(consistentStates, 100);
}

}  // namespace
}  // namespace quillmere
