#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "addin/about_hover.h"
#include "addin/uninstall_message.h"

namespace quillmere {
namespace {

struct HoverCase {
  const char* name;
  std::vector<HoverArea> moves;
  bool underlined;
  bool customPointer;
  friend void PrintTo(const HoverCase& c, std::ostream* os) { *os << c.name; }
};

class AboutHoverTest : public testing::TestWithParam<HoverCase> {};

TEST_P(AboutHoverTest, FollowsThePointer) {
  AboutHover hover;
  for (HoverArea area : GetParam().moves) hover.PointerOver(area);
  EXPECT_EQ(hover.LinkUnderlined(), GetParam().underlined);
  EXPECT_EQ(hover.CustomPointer(), GetParam().customPointer);
}

using enum HoverArea;
INSTANTIATE_TEST_SUITE_P(
    Moves, AboutHoverTest,
    testing::Values(HoverCase{"opened_link_underlined_as_designed", {}, true, false},
                    HoverCase{"bare_window_removes_underline", {Window}, false, false},
                    HoverCase{"link_brings_it_back_with_the_hand", {Window, Link}, true, true},
                    HoverCase{"button_shows_the_hand_only", {Window, Button}, false, true},
                    HoverCase{"leaving_for_the_window_restores_the_arrow", {Link, Window}, false, false},
                    HoverCase{"other_labels_change_nothing", {Link, OtherControl}, true, true},
                    HoverCase{"other_labels_keep_the_arrow", {Window, OtherControl}, false, false}));

TEST(UninstallMessageTest, IsOneInstructionABlankLineAndTheStartMenuPath) {
  const std::wstring message = UninstallMessage();
  const auto goTo = message.find(L"go to");
  const auto start = message.find(L"Start");
  ASSERT_NE(goTo, std::wstring::npos);
  ASSERT_NE(start, std::wstring::npos);
  EXPECT_EQ(message.substr(goTo + 5, start - goTo - 5), L"\r\r");
  EXPECT_EQ(message.find(L'\n'), std::wstring::npos);
  EXPECT_TRUE(message.starts_with(L"To uninstall, close PowerPoint and then go to"));
  EXPECT_TRUE(message.ends_with(L"Start > Program Files > Quillmere > Uninstall Quillmere"));
}

}  // namespace
}  // namespace quillmere
