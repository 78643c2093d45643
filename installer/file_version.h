#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>

namespace quillmere {

// The file version of a Windows executable or DLL ("7.0.0.0"), read from the fixed part of its
// version resource; nullopt when it has none. The package's file table records it, so Windows
// Installer compares versions rather than dates when it replaces a file.
std::optional<std::string> FileVersionOf(std::span<const std::byte> image);

}  // namespace quillmere
