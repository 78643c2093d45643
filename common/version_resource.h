#pragma once

// Reads the file version out of a module's version resource (the VS_VERSIONINFO block), without
// Win32: the About window shows it, and the installer records it for each file it packages.

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

// The file version of a whole executable or DLL file: the first VS_VERSIONINFO block in it that
// ParseFileVersion accepts. Resource data is 32-bit aligned, so only aligned blocks count.
// Windows Installer compares these versions, not dates, when it replaces a file.
std::optional<FileVersion> FindFileVersion(std::span<const std::byte> image);

// "7.0.0.0": all four numbers.
std::string DottedVersion(const FileVersion& version);

// "Version 7.0.0": the first three numbers of the file version.
std::wstring VersionText(const FileVersion& version);

// "7.0.0": the same numbers alone, for a translated "Version".
std::wstring VersionNumber(const FileVersion& version);

}  // namespace quillmere
