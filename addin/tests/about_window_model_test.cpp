#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "addin/about_hover.h"
#include "addin/uninstall_message.h"
#include "addin/version_resource.h"

namespace quillmere {
namespace {

// A VS_VERSIONINFO block as the resource compiler writes it: header, key, padding, fixed info.
std::vector<std::byte> VersionBlock(std::uint32_t versionHigh, std::uint32_t versionLow,
                                    std::uint32_t signature = 0xFEEF04BD, std::uint16_t valueLength = 52) {
  std::vector<std::byte> block;
  const auto word = [&](std::uint16_t value) {
    block.push_back(static_cast<std::byte>(value & 0xFF));
    block.push_back(static_cast<std::byte>(value >> 8));
  };
  const auto dword = [&](std::uint32_t value) {
    word(static_cast<std::uint16_t>(value & 0xFFFF));
    word(static_cast<std::uint16_t>(value >> 16));
  };
  word(0);  // length, patched below
  word(valueLength);
  word(0);
  for (char c : std::string("VS_VERSION_INFO")) word(static_cast<std::uint16_t>(c));
  word(0);
  while (block.size() % 4) block.push_back(std::byte{0});
  dword(signature);
  dword(0x00010000);
  dword(versionHigh);
  dword(versionLow);
  dword(versionHigh);  // product version
  dword(versionLow);
  for (int i = 0; i < 7; ++i) dword(0);
  block[0] = static_cast<std::byte>(block.size() & 0xFF);
  block[1] = static_cast<std::byte>(block.size() >> 8);
  return block;
}

TEST(ParseFileVersionTest, ReadsAllFourNumbers) {
  EXPECT_EQ(ParseFileVersion(VersionBlock(0x00070000, 0x00000000)), (FileVersion{7, 0, 0, 0}));
  EXPECT_EQ(ParseFileVersion(VersionBlock(0x000A0014, 0x001E0028)), (FileVersion{10, 20, 30, 40}));
  EXPECT_EQ(ParseFileVersion(VersionBlock(0xFFFFFFFE, 0x00010002)), (FileVersion{65535, 65534, 1, 2}));
}

TEST(ParseFileVersionTest, RejectsBlocksWithoutValidFixedInfo) {
  const std::vector<std::byte> good = VersionBlock(0x00070000, 0);
  EXPECT_EQ(ParseFileVersion(VersionBlock(0x00070000, 0, 0x12345678)), std::nullopt) << "wrong signature";
  EXPECT_EQ(ParseFileVersion(VersionBlock(0x00070000, 0, 0xFEEF04BD, 0)), std::nullopt) << "no value";
  EXPECT_EQ(ParseFileVersion({}), std::nullopt) << "empty";
  for (std::size_t cut : {std::size_t{4}, std::size_t{20}, std::size_t{40}, good.size() - 1}) {
    EXPECT_EQ(ParseFileVersion(std::span(good).first(cut)), std::nullopt) << "cut to " << cut;
  }
  // A key that never ends must not read past the block.
  std::vector<std::byte> endlessKey(64, std::byte{0x41});
  endlessKey[0] = std::byte{64};
  endlessKey[1] = std::byte{0};
  endlessKey[2] = std::byte{52};
  endlessKey[3] = std::byte{0};
  EXPECT_EQ(ParseFileVersion(endlessKey), std::nullopt);
}

TEST(VersionTextTest, ShowsTheFirstThreeNumbers) {
  EXPECT_EQ(VersionText({7, 0, 0, 0}), L"Version 7.0.0");
  EXPECT_EQ(VersionText({7, 12, 3, 99}), L"Version 7.12.3");
}

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
