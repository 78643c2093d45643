#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <stdexcept>
#include <string_view>

#include "common/product_texts.h"

namespace quillmere {

// How a stored text counts as on: a whole number that is not zero, a whole number equal to 1, or
// a double equal to 1. The tab settings are doubles because the add-in adds them up.
enum class StoredForm { WholeNonZero, WholeOne, DoubleOne };

// One setting of the product, as both deliverables read it.
struct Setting {
  std::string_view key;          // its name in the user's store, and its policy value name
  int defaultValue;              // when nothing is stored: 1 on, 0 off
  StoredForm form;               // how its stored text is read
  int box;                       // the control panel's check box that shows it
  std::string_view hiddenTab;    // the built-in tab it hides (idMso); empty for the others
  std::string_view title;        // its name for an administrator, in Group Policy editors (English)
  std::string_view explanation;  // what it does in PowerPoint, for an administrator (English)
};

// The keys the code itself speaks of.
inline constexpr std::string_view kClassicKey = "Classic";
inline constexpr std::string_view kLeftKey = "Left";
inline constexpr std::string_view kAllKey = "All";
inline constexpr std::string_view kHideTabsKey = "Hide built-in Tabs";
inline constexpr std::string_view kHomeKey = "Home";

// Every setting, in the settings window's tab order, which is also the order in which the add-in
// lists the tabs it hides. Box indexes are the boxes' control ids, fixed once shipped.
inline constexpr auto kSettings = std::to_array<Setting>({
    {kClassicKey, 1, StoredForm::WholeNonZero, 0, "", ConstantText(PolicyTitleId(0), UiLanguage::English),
     ConstantText(PolicyExplanationId(0), UiLanguage::English)},
    {kLeftKey, 1, StoredForm::WholeOne, 1, "", ConstantText(PolicyTitleId(1), UiLanguage::English),
     ConstantText(PolicyExplanationId(1), UiLanguage::English)},
    {kAllKey, 1, StoredForm::WholeOne, 2, "", ConstantText(PolicyTitleId(2), UiLanguage::English),
     ConstantText(PolicyExplanationId(2), UiLanguage::English)},
    {kHideTabsKey, 0, StoredForm::WholeOne, 11, "", ConstantText(PolicyTitleId(11), UiLanguage::English),
     ConstantText(PolicyExplanationId(11), UiLanguage::English)},
    {kHomeKey, 0, StoredForm::DoubleOne, 3, "TabHome", ConstantText(PolicyTitleId(3), UiLanguage::English),
     ConstantText(PolicyExplanationId(3), UiLanguage::English)},
    {"Insert", 0, StoredForm::DoubleOne, 4, "TabInsert", ConstantText(PolicyTitleId(4), UiLanguage::English),
     ConstantText(PolicyExplanationId(4), UiLanguage::English)},
    {"Design", 0, StoredForm::DoubleOne, 5, "TabDesign", ConstantText(PolicyTitleId(5), UiLanguage::English),
     ConstantText(PolicyExplanationId(5), UiLanguage::English)},
    {"Animations", 0, StoredForm::DoubleOne, 6, "TabAnimations", ConstantText(PolicyTitleId(6), UiLanguage::English),
     ConstantText(PolicyExplanationId(6), UiLanguage::English)},
    {"Slide Show", 0, StoredForm::DoubleOne, 9, "TabSlideShow", ConstantText(PolicyTitleId(9), UiLanguage::English),
     ConstantText(PolicyExplanationId(9), UiLanguage::English)},
    {"Review", 0, StoredForm::DoubleOne, 8, "TabReview", ConstantText(PolicyTitleId(8), UiLanguage::English),
     ConstantText(PolicyExplanationId(8), UiLanguage::English)},
    {"View", 0, StoredForm::DoubleOne, 7, "TabView", ConstantText(PolicyTitleId(7), UiLanguage::English),
     ConstantText(PolicyExplanationId(7), UiLanguage::English)},
    {"Developer", 0, StoredForm::DoubleOne, 10, "TabDeveloper", ConstantText(PolicyTitleId(10), UiLanguage::English),
     ConstantText(PolicyExplanationId(10), UiLanguage::English)},
    {"Format", 0, StoredForm::DoubleOne, 12, "TabSlideMasterHome", ConstantText(PolicyTitleId(12), UiLanguage::English),
     ConstantText(PolicyExplanationId(12), UiLanguage::English)},
});

inline constexpr int kSettingCount = static_cast<int>(kSettings.size());

// Hiding every one of these at once clears the ribbon instead of listing them.
inline constexpr int kHidableTabCount = [] {
  int count = 0;
  for (const Setting& setting : kSettings) count += setting.hiddenTab.empty() ? 0 : 1;
  return count;
}();

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

// How wide the reader holds the number: the add-in keeps whole numbers in 32 bits and doubles as
// they are; the control panel keeps every value as a 16-bit box state.
enum class ReaderWidth { AddIn, Panel };

// The number a stored text stands for as this setting is read: a whole number (rounded, a tie to
// the even one) or a double. Nothing when the text is not a number or lies beyond the reader's width.
std::optional<double> StoredNumber(const Setting& setting, std::string_view text, ReaderWidth width);

// Whether that number switches the setting on.
bool IsOn(const Setting& setting, double number);

}  // namespace quillmere
