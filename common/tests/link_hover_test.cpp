#include "common/link_hover.h"

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

namespace quillmere {
namespace {

struct HoverCase {
  const char* name;
  std::vector<HoverArea> moves;
  bool underlined;
  bool hand;
  friend void PrintTo(const HoverCase& c, std::ostream* os) { *os << c.name; }
};

class LinkHoverTest : public testing::TestWithParam<HoverCase> {};

TEST_P(LinkHoverTest, FollowsThePointer) {
  LinkHover hover;
  for (HoverArea area : GetParam().moves) hover.PointerOver(area);
  EXPECT_EQ(hover.LinkUnderlined(), GetParam().underlined);
  EXPECT_EQ(hover.HandPointer(), GetParam().hand);
}

using enum HoverArea;
INSTANTIATE_TEST_SUITE_P(
    Moves, LinkHoverTest,
    testing::Values(HoverCase{"opened_link_underlined_as_designed", {}, true, false},
                    HoverCase{"background_removes_underline", {Background}, false, false},
                    HoverCase{"link_brings_it_back_with_the_hand", {Background, Link}, true, true},
                    HoverCase{"boxes_and_buttons_show_the_hand_only", {Background, Clickable}, false, true},
                    HoverCase{"leaving_for_the_background_restores_the_arrow", {Link, Background}, false, false},
                    HoverCase{"plain_controls_restore_the_arrow_only", {Link, Plain}, true, false},
                    HoverCase{"inert_labels_change_nothing", {Link, Inert}, true, true}));

}  // namespace
}  // namespace quillmere
