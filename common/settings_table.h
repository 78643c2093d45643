#pragma once

#include <array>
#include <cstddef>
#include <stdexcept>
#include <string_view>

#include "common/texts/text_ids.h"
#include "common/window_metrics.h"

namespace quillmere {

// How a stored text counts as on: a whole number that is not zero, a whole number equal to 1, or
// a double equal to 1. The tab settings are doubles because the add-in adds them up.
enum class StoredForm { WholeNonZero, WholeOne, DoubleOne };

// One setting of the product and every fact that goes with it: both deliverables, the Group
// Policy templates and the control panel's layout read it from here.
struct Setting {
  std::string_view key;             // its name in the user's store, and its policy value name
  int defaultValue;                 // when nothing is stored: 1 on, 0 off
  StoredForm form;                  // how its stored text reads
  int box;                          // the control panel's check box: its control id, fixed once shipped
  TwipsRect place;                  // where that box stands in the window's PowerPoint frame, as designed
  TextId caption;                   // the box's caption
  PolicyTextId policyTitle;         // its name for an administrator, in Group Policy editors
  PolicyTextId policyExplanation;   // what it does in PowerPoint, for an administrator
  std::string_view hiddenTab = {};  // the built-in tab it hides (idMso); empty for the others
};

// Every setting, in the settings window's tab order, which is also the order in which the add-in
// lists the tabs it hides.
// clang-format off
inline constexpr auto kSettings = std::to_array<Setting>({
  {"Classic", 1, StoredForm::WholeNonZero, 0, {240, 240, 5295, 375}, TextId::BoxClassic,
   PolicyTextId::TitleClassic, PolicyTextId::ExplainClassic},
  {"Left", 1, StoredForm::WholeOne, 1, {600, 600, 3975, 375}, TextId::BoxLeft,
   PolicyTextId::TitleLeft, PolicyTextId::ExplainLeft},
  {"All", 1, StoredForm::WholeOne, 2, {600, 960, 3375, 375}, TextId::BoxAll,
   PolicyTextId::TitleAll, PolicyTextId::ExplainAll},
  {"Hide built-in Tabs", 0, StoredForm::WholeOne, 11, {600, 1320, 1815, 375}, TextId::BoxHideTabs,
   PolicyTextId::TitleHideTabs, PolicyTextId::ExplainHideTabs},
  {"Home", 0, StoredForm::DoubleOne, 3, {960, 1680, 1095, 225}, TextId::BoxHome,
   PolicyTextId::TitleHome, PolicyTextId::ExplainHome, "TabHome"},
  {"Insert", 0, StoredForm::DoubleOne, 4, {960, 2040, 1455, 225}, TextId::BoxInsert,
   PolicyTextId::TitleInsert, PolicyTextId::ExplainInsert, "TabInsert"},
  {"Design", 0, StoredForm::DoubleOne, 5, {960, 2400, 1455, 225}, TextId::BoxDesign,
   PolicyTextId::TitleDesign, PolicyTextId::ExplainDesign, "TabDesign"},
  {"Animations", 0, StoredForm::DoubleOne, 6, {960, 2760, 1455, 225}, TextId::BoxAnimations,
   PolicyTextId::TitleAnimations, PolicyTextId::ExplainAnimations, "TabAnimations"},
  {"Slide Show", 0, StoredForm::DoubleOne, 9, {2640, 1680, 1335, 225}, TextId::BoxSlideShow,
   PolicyTextId::TitleSlideShow, PolicyTextId::ExplainSlideShow, "TabSlideShow"},
  {"Review", 0, StoredForm::DoubleOne, 8, {2640, 2040, 1095, 225}, TextId::BoxReview,
   PolicyTextId::TitleReview, PolicyTextId::ExplainReview, "TabReview"},
  {"View", 0, StoredForm::DoubleOne, 7, {2640, 2400, 975, 225}, TextId::BoxView,
   PolicyTextId::TitleView, PolicyTextId::ExplainView, "TabView"},
  {"Developer", 0, StoredForm::DoubleOne, 10, {2640, 2760, 1215, 225}, TextId::BoxDeveloper,
   PolicyTextId::TitleDeveloper, PolicyTextId::ExplainDeveloper, "TabDeveloper"},
  // Centred below the two columns of tab boxes.
  {"Format", 0, StoredForm::DoubleOne, 12, {1920, 3120, 1215, 225}, TextId::BoxFormat,
   PolicyTextId::TitleFormat, PolicyTextId::ExplainFormat, "TabSlideMasterHome"},
});
// clang-format on

inline constexpr int kSettingCount = static_cast<int>(kSettings.size());

// The setting of a key (exact spelling) or of a box. Not finding one is a compile-time error in
// a constant expression and std::out_of_range at run time.
constexpr const Setting& SettingOf(std::string_view key) {
  for (const Setting& setting : kSettings) {
    if (setting.key == key) return setting;
  }
  throw std::out_of_range("no setting has this key");
}

constexpr const Setting& SettingOfBox(int box) {
  for (const Setting& setting : kSettings) {
    if (setting.box == box) return setting;
  }
  throw std::out_of_range("no setting has this box");
}

// The settings the code speaks of by name.
inline constexpr const Setting& kClassic = SettingOf("Classic");
inline constexpr const Setting& kLeft = SettingOf("Left");
inline constexpr const Setting& kAll = SettingOf("All");
inline constexpr const Setting& kHideTabs = SettingOf("Hide built-in Tabs");
inline constexpr const Setting& kHome = SettingOf("Home");
inline constexpr const Setting& kFormat = SettingOf("Format");

constexpr bool HidesATab(const Setting& setting) { return !setting.hiddenTab.empty(); }

// The settings that each hide one built-in tab, in table order. Hiding every one of them at once
// clears the ribbon instead of listing them.
inline constexpr int kTabSettingCount = [] {
  int count = 0;
  for (const Setting& setting : kSettings) count += HidesATab(setting) ? 1 : 0;
  return count;
}();
inline constexpr auto kTabSettings = [] {
  std::array<const Setting*, kTabSettingCount> tabs{};
  std::size_t next = 0;
  for (const Setting& setting : kSettings) {
    if (HidesATab(setting)) tabs[next++] = &setting;
  }
  return tabs;
}();

// Every setting in the order of its box, the order in which the control panel restores and saves them.
inline constexpr auto kSettingsByBox = [] {
  std::array<const Setting*, kSettings.size()> byBox{};
  for (const Setting& setting : kSettings) byBox.at(static_cast<std::size_t>(setting.box)) = &setting;
  return byBox;
}();

// The setting's row in kSettings, for tables kept beside it.
constexpr std::size_t IndexOf(const Setting& setting) { return static_cast<std::size_t>(&setting - kSettings.data()); }

}  // namespace quillmere
