#include "installer/file_version.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <vector>

namespace quillmere {
namespace {

// An image that starts like a PE file and holds the fixed file info at the given offset.
std::vector<std::byte> ImageWithFixedInfo(std::size_t at, std::uint32_t structVersion, std::uint32_t high,
                                          std::uint32_t low, std::size_t size = 256) {
  std::vector<std::byte> image(size);
  image[0] = std::byte{'M'};
  image[1] = std::byte{'Z'};
  const auto put = [&](std::size_t offset, std::uint32_t value) {
    for (std::size_t i = 0; i < 4 && offset + i < image.size(); ++i)
      image[offset + i] = static_cast<std::byte>(value >> (8 * i));
  };
  put(at, 0xFEEF04BD);
  put(at + 4, structVersion);
  put(at + 8, high);
  put(at + 12, low);
  return image;
}

struct VersionCase {
  const char* name;
  std::vector<std::byte> image;
  std::optional<std::string> version;
};
void PrintTo(const VersionCase& c, std::ostream* os) { *os << c.name; }

class FileVersion : public testing::TestWithParam<VersionCase> {};

TEST_P(FileVersion, ReadsTheFixedFileInfo) { EXPECT_EQ(FileVersionOf(GetParam().image), GetParam().version); }

INSTANTIATE_TEST_SUITE_P(
    Images, FileVersion,
    testing::Values(
        VersionCase{"ProductVersion", ImageWithFixedInfo(64, 0x00010000, 0x00070000, 0x00000000), "7.0.0.0"},
        VersionCase{"EveryPartItsOwnField", ImageWithFixedInfo(64, 0x00010000, 0x0001FFFF, 0x00030004), "1.65535.3.4"},
        VersionCase{"SignatureNotAlignedIsNoResource", ImageWithFixedInfo(66, 0x00010000, 0x00070000, 0), std::nullopt},
        VersionCase{"SignatureWithoutStructureVersion", ImageWithFixedInfo(64, 0x12345678, 0x00070000, 0),
                    std::nullopt},
        VersionCase{"CutOffInsideTheFixedInfo", ImageWithFixedInfo(240, 0x00010000, 0x00070000, 0, 256), std::nullopt},
        VersionCase{"NoVersionResource", std::vector<std::byte>{std::byte{'M'}, std::byte{'Z'}, std::byte{0}},
                    std::nullopt},
        VersionCase{"NotAnExecutable", std::vector<std::byte>(256), std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace quillmere
