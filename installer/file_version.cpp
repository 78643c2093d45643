#include "installer/file_version.h"

#include <cstdint>

namespace quillmere {
namespace {

constexpr std::uint32_t kFixedInfoSignature = 0xFEEF04BD;
constexpr std::size_t kFixedInfoSize = 13 * 4;

std::uint32_t ReadLe32(std::span<const std::byte> bytes, std::size_t at) {
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < 4; ++i) value |= std::to_integer<std::uint32_t>(bytes[at + i]) << (8 * i);
  return value;
}

}  // namespace

std::optional<std::string> FileVersionOf(std::span<const std::byte> image) {
  if (image.size() < 2 || image[0] != std::byte{'M'} || image[1] != std::byte{'Z'}) return std::nullopt;
  // The fixed file info is 32-bit aligned inside the resource data and begins with its signature
  // and structure version 1.0; nothing else in a linked image carries both.
  for (std::size_t at = 0; at + kFixedInfoSize <= image.size(); at += 4) {
    if (ReadLe32(image, at) != kFixedInfoSignature || ReadLe32(image, at + 4) != 0x00010000) continue;
    const std::uint32_t high = ReadLe32(image, at + 8);
    const std::uint32_t low = ReadLe32(image, at + 12);
    return std::to_string(high >> 16) + "." + std::to_string(high & 0xFFFF) + "." + std::to_string(low >> 16) + "." +
           std::to_string(low & 0xFFFF);
  }
  return std::nullopt;
}

}  // namespace quillmere
