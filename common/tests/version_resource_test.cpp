#include "common/version_resource.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

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

// A file that starts like an executable and holds a version block at the given offset.
std::vector<std::byte> Image(std::size_t at, const std::vector<std::byte>& block, std::size_t size = 512) {
  std::vector<std::byte> image(size);
  image[0] = std::byte{'M'};
  image[1] = std::byte{'Z'};
  for (std::size_t i = 0; i < block.size() && at + i < size; ++i) image[at + i] = block[i];
  return image;
}

struct ImageCase {
  const char* name;
  std::vector<std::byte> image;
  std::optional<std::string> version;
};
void PrintTo(const ImageCase& c, std::ostream* os) { *os << c.name; }

class FindFileVersionTest : public testing::TestWithParam<ImageCase> {};

TEST_P(FindFileVersionTest, FindsTheBlockInAnExecutable) {
  const auto version = FindFileVersion(GetParam().image);
  EXPECT_EQ(version ? std::optional(DottedVersion(*version)) : std::nullopt, GetParam().version);
}

std::vector<std::byte> WrongSignatureThenGood() {
  auto image = Image(64, VersionBlock(0x00010000, 0, 0x12345678));
  const auto good = VersionBlock(0x0001FFFF, 0x00030004);
  std::copy(good.begin(), good.end(), image.begin() + 256);
  return image;
}

INSTANTIATE_TEST_SUITE_P(
    Images, FindFileVersionTest,
    testing::Values(ImageCase{"Aligned", Image(64, VersionBlock(0x00070000, 0)), "7.0.0.0"},
                    ImageCase{"EveryPartItsOwnField", Image(128, VersionBlock(0x0001FFFF, 0x00030004)), "1.65535.3.4"},
                    ImageCase{"NotAlignedIsNoResource", Image(66, VersionBlock(0x00070000, 0)), std::nullopt},
                    ImageCase{"CutOffByTheEndOfTheFile", Image(480, VersionBlock(0x00070000, 0)), std::nullopt},
                    ImageCase{"FirstBlockThatParses", WrongSignatureThenGood(), "1.65535.3.4"},
                    ImageCase{"NoVersionResource", Image(0, {}), std::nullopt},
                    ImageCase{"NotAnExecutable", std::vector<std::byte>(256), std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace quillmere
