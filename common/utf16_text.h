#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quillmere {

// Exact conversion between the UTF-16 text of Windows (registry, BSTR) and the UTF-8 text of the
// portable core. Windows text may hold unpaired surrogates; they travel as their three-byte
// generalised UTF-8 form, so text read from Windows and written back is unchanged.

std::string Utf16ToUtf8(std::u16string_view text);

// Nothing when the bytes are not UTF-8 (or that generalised form of an unpaired surrogate).
std::optional<std::u16string> Utf8ToUtf16(std::string_view text);

// The same conversion into a buffer the caller owns (a BSTR, say), without an intermediate copy:
// with `out` null, counts the UTF-16 units; otherwise writes them to `out`, which must have room
// for the count. Nothing when the bytes are not UTF-8.
std::optional<std::size_t> Utf8ToUtf16(std::string_view text, char16_t* out);

}  // namespace quillmere
