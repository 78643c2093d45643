#pragma once

// The one case-insensitive comparison for Windows code: unit for unit after the system's own
// upper-case table, as Windows compares file names, registry names, window class names and
// automation member names. The user's language plays no part (a Turkish user's "I" is the upper
// case of "i" here, as it is for the file system).

#include <string_view>

namespace quillmere {

bool SameFileNameText(std::u16string_view a, std::u16string_view b) noexcept;
inline bool SameFileNameText(std::wstring_view a, std::wstring_view b) noexcept {
  return SameFileNameText(std::u16string_view(reinterpret_cast<const char16_t*>(a.data()), a.size()),
                          std::u16string_view(reinterpret_cast<const char16_t*>(b.data()), b.size()));
}

// The same through LCMapStringW, the way taken on Windows XP, which lacks CompareStringOrdinal;
// on its own so that tests on later Windows reach it.
bool SameFileNameTextByUpperCase(std::u16string_view a, std::u16string_view b) noexcept;

}  // namespace quillmere
