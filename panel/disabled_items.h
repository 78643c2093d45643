#pragma once

// PowerPoint's disabled items: after a crash at start-up PowerPoint stops loading the add-in it
// blames until the user re-enables it. Each item is one REG_BINARY value (of any name) below
// Software\Microsoft\Office\<version>\PowerPoint\Resiliency\DisabledItems: a 32-bit type (1 for
// an add-in), the byte lengths of the path and of the friendly name (each counting its
// terminating zero), then the library's path and the friendly name as zero-terminated UTF-16 LE.

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace quillmere {

// The Office versions whose PowerPoint keeps disabled items: 2007, 2010, 2013, 2016 and later.
inline constexpr std::array<std::string_view, 4> kDisabledItemsKeys = {
    "Software\\Microsoft\\Office\\12.0\\PowerPoint\\Resiliency\\DisabledItems",
    "Software\\Microsoft\\Office\\14.0\\PowerPoint\\Resiliency\\DisabledItems",
    "Software\\Microsoft\\Office\\15.0\\PowerPoint\\Resiliency\\DisabledItems",
    "Software\\Microsoft\\Office\\16.0\\PowerPoint\\Resiliency\\DisabledItems",
};

// The library path of a disabled add-in item. None for any value that is not that layout: too
// short, another type, lengths that are odd or reach past the end, a path length of zero, a
// text without its terminating zero or with more text after it. Zeros may pad a text, and the
// friendly name may be left out (length zero). Never reads past the value's end.
std::optional<std::u16string> DisabledAddInPath(std::span<const std::byte> value);

// Whether two texts are the same unit for unit apart from letter case (never when their lengths
// differ).
using SameIgnoringCase = bool (*)(std::u16string_view a, std::u16string_view b);

// The portable rule: a simple case mapping of the scripts path names commonly use (Latin, Greek,
// Cyrillic). Windows compares file names by its own, wider table; the panel passes that one.
bool SameFoldingCommonScripts(std::u16string_view a, std::u16string_view b);

// Whether two Windows paths name the same file as far as their text tells: letter case (as
// `same` tells it), '/' for '\', repeated separators, a "\\?\" prefix and "\\?\UNC\" for
// "\\" make no difference.
bool SameLibraryPath(std::u16string_view a, std::u16string_view b, SameIgnoringCase same = SameFoldingCommonScripts);

// Whether the value disables one of the given libraries.
bool DisablesOneOf(std::span<const std::byte> value, std::span<const std::u16string> libraries,
                   SameIgnoringCase same = SameFoldingCommonScripts);

}  // namespace quillmere
