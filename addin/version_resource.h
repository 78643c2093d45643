#pragma once

// Reads the file version out of a module's version resource (the VS_VERSIONINFO block), without
// Win32, so the About window shows exactly what the resource says.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace quillmere {

struct FileVersion {
  std::uint16_t major = 0;
  std::uint16_t minor = 0;
  std::uint16_t patch = 0;
  std::uint16_t build = 0;
  friend bool operator==(const FileVersion&, const FileVersion&) = default;
};

// The file version of a VS_VERSIONINFO block; nothing when the block is cut short or carries
// no valid fixed file information.
std::optional<FileVersion> ParseFileVersion(std::span<const std::byte> block);

// "Version 7.0.0": the first three numbers of the file version.
std::wstring VersionText(const FileVersion& version);

}  // namespace quillmere
