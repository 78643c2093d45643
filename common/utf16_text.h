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

}  // namespace quillmere
