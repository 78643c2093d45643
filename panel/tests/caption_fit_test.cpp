#include "panel/caption_fit.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "common/settings_table.h"
#include "panel/settings_layout.h"

namespace quillmere::layout {
namespace {

constexpr int kDpis[] = {96, 120, 144, 192};

int Scaled(int pixels, int dpi) { return pixels * dpi / kDefaultDpi; }

// Text as wide as its characters (CJK ones wider) and a line taller than the designed tab
// boxes, plus a check mark beside box captions, edges round button captions, and a tab strip
// taller than the designed room above the frames.
PixelSize FakeMeasure(int dpi, CaptionControl control, std::string_view text) {
  int width = 0;
  for (unsigned char c : text) {
    if ((c & 0xC0) == 0x80) continue;  // inside a UTF-8 sequence
    width += c >= 0xE0 ? 12 : 7;
  }
  if (control == CaptionControl::CheckBox) width += 17;
  if (control == CaptionControl::Button || control == CaptionControl::TabItem) width += 12;
  return {Scaled(width, dpi), Scaled(control == CaptionControl::TabItem ? 23 : 17, dpi)};
}

PixelSize SizeOf(const TwipsRect& rect, int dpi) {
  const PixelRect pixels = TwipsToPixels(rect, dpi);
  return {pixels.width, pixels.height};
}

class CaptionFitAtDpiTest : public testing::TestWithParam<int> {};

// Off by one pixel anywhere, and the English window would change.
TEST_P(CaptionFitAtDpiTest, CaptionsThatJustFitLeaveTheDesign) {
  const int dpi = GetParam();
  CaptionNeeds needs;
  for (const Setting& setting : kSettings) needs.boxes[setting.box] = SizeOf(setting.place, dpi);
  needs.websiteCaption = SizeOf(kWebsiteCaption, dpi);
  needs.websiteLink = SizeOf(kWebsiteLink, dpi);
  needs.versionLabel = SizeOf(kVersionLabel, dpi);
  needs.okButton = SizeOf(kOkButton, dpi);
  needs.cancelButton = SizeOf(kCancelButton, dpi);
  needs.tabStrip = {SizeOf(kTabs, dpi).width, TwipsToPixels(kPowerPointFrame.top, dpi)};
  EXPECT_TRUE(FitCaptions(needs, dpi) == DesignedLayout());
}

INSTANTIATE_TEST_SUITE_P(Dpis, CaptionFitAtDpiTest, testing::ValuesIn(kDpis));

class CaptionFitTest : public testing::TestWithParam<std::tuple<int, UiLanguage>> {};

bool Covers(const TwipsRect& rect, PixelSize need, int dpi) {
  const PixelSize size = SizeOf(rect, dpi);
  return size.width >= need.width && size.height >= need.height;
}

int Right(const PixelRect& rect) { return rect.left + rect.width; }
int Bottom(const PixelRect& rect) { return rect.top + rect.height; }

TEST_P(CaptionFitTest, EveryCaptionFitsAndEveryControlStaysInItsContainer) {
  const auto [dpi, language] = GetParam();
  const CaptionNeeds needs =
      MeasureCaptions(CaptionsIn(language),
                      [dpi](CaptionControl control, std::string_view text) { return FakeMeasure(dpi, control, text); });
  const SettingsLayout layout = FitCaptions(needs, dpi);
  const auto px = [dpi](const TwipsRect& rect) { return TwipsToPixels(rect, dpi); };

  for (int box = 0; box < kBoxCount; ++box) EXPECT_TRUE(Covers(layout.boxes[box], needs.boxes[box], dpi)) << box;
  EXPECT_TRUE(Covers(layout.websiteCaption, needs.websiteCaption, dpi));
  EXPECT_TRUE(Covers(layout.websiteLink, needs.websiteLink, dpi));
  EXPECT_TRUE(Covers(layout.versionLabel, needs.versionLabel, dpi));
  EXPECT_TRUE(Covers(layout.okButton, needs.okButton, dpi));
  EXPECT_TRUE(Covers(layout.cancelButton, needs.cancelButton, dpi));
  EXPECT_GE(px(layout.tabs).width, needs.tabStrip.width);
  EXPECT_GE(px(layout.powerPointFrame).top, needs.tabStrip.height);
  EXPECT_EQ(layout.aboutFrame.top, layout.powerPointFrame.top);

  // Columns stay columns, boxes on one line do not run into each other, all inside the frame;
  // the tab boxes and the box on the outline's edge inside the outline.
  for (int a = 0; a < kBoxCount; ++a) {
    EXPECT_LE(Right(px(layout.boxes[a])), px(layout.powerPointFrame).width) << a;
    if (IsTabBox(a) || a == kHideTabsBox) {
      EXPECT_LT(Right(px(layout.boxes[a])), Right(px(layout.tabBoxOutline))) << a;
    }
    for (int b = 0; b < kBoxCount; ++b) {
      const TwipsRect &designedA = SettingOfBox(a).place, &designedB = SettingOfBox(b).place;
      if (designedA.left == designedB.left) {
        EXPECT_EQ(layout.boxes[a].left, layout.boxes[b].left) << a << " " << b;
      }
      if (designedA.top == designedB.top && designedA.left < designedB.left) {
        EXPECT_LT(Right(px(layout.boxes[a])), px(layout.boxes[b]).left) << a << " " << b;
      }
    }
  }
  EXPECT_LT(Right(px(layout.websiteCaption)), px(layout.websiteLink).left);
  EXPECT_LE(Right(px(layout.websiteLink)), px(layout.aboutFrame).width);
  EXPECT_LE(Right(px(layout.versionLabel)), px(layout.aboutFrame).width);

  // Frames fill the tab control as designed; the tab control and the buttons fit the window,
  // the buttons flush with the tab control's right edge.
  EXPECT_EQ(layout.tabs.width - layout.powerPointFrame.width, kTabs.width - kPowerPointFrame.width);
  EXPECT_EQ(layout.tabs.width - layout.aboutFrame.width, kTabs.width - kAboutFrame.width);
  EXPECT_LT(Right(px(layout.tabs)), TwipsToPixels(layout.clientWidth, dpi));
  EXPECT_EQ(Right(px(layout.cancelButton)), Right(px(layout.tabs)));
  EXPECT_LT(Right(px(layout.okButton)), px(layout.cancelButton).left);
  EXPECT_GE(px(layout.okButton).left, px(layout.tabs).left);
  for (const TwipsRect& frame : {layout.powerPointFrame, layout.aboutFrame}) {
    EXPECT_LE(Bottom(px(frame)), px(layout.tabs).height);
  }
  EXPECT_LT(Bottom(px(layout.tabs)), px(layout.okButton).top);
  EXPECT_LT(Bottom(px(layout.okButton)), TwipsToPixels(layout.clientHeight, dpi));
}

INSTANTIATE_TEST_SUITE_P(Translations, CaptionFitTest,
                         testing::Combine(testing::ValuesIn(kDpis),
                                          testing::Values(UiLanguage::German, UiLanguage::French,
                                                          UiLanguage::PortuguesePortugal, UiLanguage::Japanese,
                                                          UiLanguage::Korean, UiLanguage::Russian, UiLanguage::Polish)),
                         [](const auto& info) {
                           std::string name(CultureName(std::get<1>(info.param)));
                           name[2] = '_';
                           return name + "_" + std::to_string(std::get<0>(info.param));
                         });

}  // namespace
}  // namespace quillmere::layout
