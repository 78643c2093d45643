#include "panel/window_colors.h"

#include <gtest/gtest.h>

namespace quillmere {
namespace {

constexpr OleColor kBlack = RgbColor(0, 0, 0);
constexpr OleColor kWindow = kSystemColorFlag | 5;
constexpr OleColor kWindowText = kSystemColorFlag | 8;
constexpr OleColor kButtonText = kSystemColorFlag | 18;

TEST(WindowColorsTest, TextAndBackgroundAlwaysComeAsAPair) {
  // Designed: fixed black on fixed white, whatever the system's text colour.
  EXPECT_EQ(CaptionColorsFor(CaptionKind::Plain, kDesignedBackColor, false),
            (CaptionColors{kBlack, kDesignedBackColor}));
  // The skin's system button face goes with the system's button text.
  EXPECT_EQ(CaptionColorsFor(CaptionKind::Plain, kSkinBackColor, false), (CaptionColors{kButtonText, kSkinBackColor}));
  // High contrast: the system's window colours for every caption and background, skin or not.
  for (OleColor back : {kDesignedBackColor, kSkinBackColor}) {
    EXPECT_EQ(PaintedBackColor(back, true), kWindow);
    EXPECT_EQ(CaptionColorsFor(CaptionKind::Plain, back, true), (CaptionColors{kWindowText, kWindow}));
    EXPECT_EQ(CaptionColorsFor(CaptionKind::Title, back, true), (CaptionColors{kWindowText, kWindow}));
    EXPECT_EQ(CaptionColorsFor(CaptionKind::Link, back, true).back, kWindow);
  }
  EXPECT_EQ(PaintedBackColor(kSkinBackColor, false), kSkinBackColor);
}

}  // namespace
}  // namespace quillmere
