#include "common/version_resource.h"

#include <string_view>

namespace quillmere {

namespace {

constexpr std::uint32_t kFixedInfoSignature = 0xFEEF04BD;
constexpr std::size_t kFixedInfoSize = 52;
constexpr std::size_t kHeaderSize = 6;  // wLength, wValueLength, wType
constexpr std::u16string_view kBlockKey = u"VS_VERSION_INFO";

std::uint16_t Word(std::span<const std::byte> block, std::size_t offset) {
  return static_cast<std::uint16_t>(std::to_integer<unsigned>(block[offset]) |
                                    std::to_integer<unsigned>(block[offset + 1]) << 8);
}

std::uint32_t Dword(std::span<const std::byte> block, std::size_t offset) {
  return Word(block, offset) | static_cast<std::uint32_t>(Word(block, offset + 2)) << 16;
}

}  // namespace

std::optional<FileVersion> ParseFileVersion(std::span<const std::byte> block) {
  if (block.size() < kHeaderSize) return std::nullopt;
  const std::size_t length = Word(block, 0);
  if (length > block.size() || length < kHeaderSize) return std::nullopt;
  block = block.first(length);
  if (Word(block, 2) < kFixedInfoSize) return std::nullopt;

  // The key ("VS_VERSION_INFO") ends at a NUL character; the value follows on a 4-byte boundary.
  std::size_t offset = kHeaderSize;
  for (;; offset += 2) {
    if (offset + 2 > block.size()) return std::nullopt;
    if (Word(block, offset) == 0) break;
  }
  offset = (offset + 2 + 3) & ~std::size_t{3};
  if (offset + kFixedInfoSize > block.size()) return std::nullopt;
  if (Dword(block, offset) != kFixedInfoSignature) return std::nullopt;

  const std::uint32_t high = Dword(block, offset + 8);
  const std::uint32_t low = Dword(block, offset + 12);
  return FileVersion{static_cast<std::uint16_t>(high >> 16), static_cast<std::uint16_t>(high & 0xFFFF),
                     static_cast<std::uint16_t>(low >> 16), static_cast<std::uint16_t>(low & 0xFFFF)};
}

std::optional<FileVersion> FindFileVersion(std::span<const std::byte> image) {
  if (image.size() < 2 || image[0] != std::byte{'M'} || image[1] != std::byte{'Z'}) return std::nullopt;
  const std::size_t keyEnd = kHeaderSize + 2 * kBlockKey.size();
  for (std::size_t at = 0; at + keyEnd <= image.size(); at += 4) {
    bool keyHere = true;
    for (std::size_t i = 0; i < kBlockKey.size() && keyHere; ++i)
      keyHere = Word(image, at + kHeaderSize + 2 * i) == kBlockKey[i];
    if (!keyHere) continue;
    if (auto version = ParseFileVersion(image.subspan(at))) return version;
  }
  return std::nullopt;
}

std::string DottedVersion(const FileVersion& version) {
  return std::to_string(version.major) + "." + std::to_string(version.minor) + "." + std::to_string(version.patch) +
         "." + std::to_string(version.build);
}

namespace {

// Digits are ASCII; std::to_wstring would bring in the wide printf family for three numbers.
std::wstring Number(std::uint16_t value) {
  const std::string digits = std::to_string(value);
  return {digits.begin(), digits.end()};
}

}  // namespace

std::wstring VersionNumber(const FileVersion& version) {
  return Number(version.major) + L"." + Number(version.minor) + L"." + Number(version.patch);
}

std::wstring VersionText(const FileVersion& version) { return L"Version " + VersionNumber(version); }

}  // namespace quillmere
