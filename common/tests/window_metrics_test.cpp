#include "common/window_metrics.h"

#include <gtest/gtest.h>

namespace quillmere {
namespace {

struct TwipsCase {
  int twips;
  int dpi;
  int pixels;
  friend void PrintTo(const TwipsCase& c, std::ostream* os) { *os << c.twips << "tw@" << c.dpi; }
};

class TwipsToPixelsTest : public testing::TestWithParam<TwipsCase> {};

TEST_P(TwipsToPixelsTest, RoundsToTheNearestPixel) {
  EXPECT_EQ(TwipsToPixels(GetParam().twips, GetParam().dpi), GetParam().pixels);
}

INSTANTIATE_TEST_SUITE_P(Measures, TwipsToPixelsTest,
                         testing::Values(TwipsCase{15, 96, 1}, TwipsCase{1440, 96, 96}, TwipsCase{5730, 96, 382},
                                         TwipsCase{7, 96, 0}, TwipsCase{8, 96, 1}, TwipsCase{-8, 96, -1},
                                         TwipsCase{0, 144, 0},
                                         // 5730 * 120 / 1440 = 477.5: halves go away from zero
                                         TwipsCase{5730, 120, 478}, TwipsCase{1447, 144, 145},
                                         TwipsCase{3555, 192, 474},
                                         // large values must not overflow on the way
                                         TwipsCase{20'000'000, 480, 6'666'667}));

TEST(TwipsRectTest, NeighboursStillTouchAtEveryDpi) {
  // The About window's OK button and a control that would start at its right edge.
  const TwipsRect button{4200, 2985, 1447, 405};
  const TwipsRect neighbour{4200 + 1447, 2985 + 405, 100, 100};
  for (int dpi = 72; dpi <= 288; ++dpi) {
    const PixelRect a = TwipsToPixels(button, dpi);
    const PixelRect b = TwipsToPixels(neighbour, dpi);
    EXPECT_EQ(a.left + a.width, b.left) << dpi;
    EXPECT_EQ(a.top + a.height, b.top) << dpi;
  }
}

struct FontCase {
  double points;
  int dpi;
  int height;
  friend void PrintTo(const FontCase& c, std::ostream* os) { *os << c.points << "pt@" << c.dpi; }
};

class FontHeightTest : public testing::TestWithParam<FontCase> {};

TEST_P(FontHeightTest, SelectsByCharacterHeight) {
  EXPECT_EQ(FontHeightForPoints(GetParam().points, GetParam().dpi), GetParam().height);
}

INSTANTIATE_TEST_SUITE_P(DesignedSizes, FontHeightTest,
                         testing::Values(FontCase{9, 96, -12}, FontCase{9.75, 96, -13}, FontCase{11.25, 96, -15},
                                         FontCase{12, 96, -16}, FontCase{9, 120, -15}, FontCase{11.25, 144, -23},
                                         FontCase{12, 192, -32}));

struct CentreCase {
  const char* name;
  PixelRect screen;
  int width;
  int height;
  PixelPoint origin;
  friend void PrintTo(const CentreCase& c, std::ostream* os) { *os << c.name; }
};

class CenteredOriginTest : public testing::TestWithParam<CentreCase> {};

TEST_P(CenteredOriginTest, PutsTheWindowsMiddleOnTheScreensMiddle) {
  const CentreCase& c = GetParam();
  EXPECT_EQ(CenteredOrigin(c.screen, c.width, c.height), c.origin);
}

INSTANTIATE_TEST_SUITE_P(Screens, CenteredOriginTest,
                         testing::Values(CentreCase{"fits", {0, 0, 1024, 768}, 400, 300, {312, 234}},
                                         CentreCase{"odd_difference", {0, 0, 1024, 768}, 401, 301, {311, 233}},
                                         CentreCase{"same_size", {0, 0, 800, 600}, 800, 600, {0, 0}},
                                         CentreCase{"larger_than_screen", {0, 0, 1024, 768}, 1200, 900, {-88, -66}},
                                         CentreCase{"larger_by_odd", {0, 0, 1024, 768}, 1025, 769, {-1, -1}},
                                         CentreCase{"second_monitor", {1920, -200, 1280, 1024}, 280, 24, {2420, 300}}));

}  // namespace
}  // namespace quillmere
