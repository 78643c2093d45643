#include "common/file_name_text_win.h"

#include <windows.h>

#include <algorithm>
#include <climits>
#include <cwchar>

#include "common/window_helpers_win.h"

namespace quillmere {
namespace {

const wchar_t* Wide(std::u16string_view text) noexcept { return reinterpret_cast<const wchar_t*>(text.data()); }

bool IsHighSurrogate(char16_t unit) noexcept { return unit >= 0xD800 && unit <= 0xDBFF; }

}  // namespace

bool SameFileNameText(std::u16string_view a, std::u16string_view b) noexcept {
  // Windows Vista and later.
  static const auto compare =
      SystemFunction<decltype(&::CompareStringOrdinal)>(::GetModuleHandleW(L"kernel32.dll"), "CompareStringOrdinal");
  if (compare == nullptr) return SameFileNameTextByUpperCase(a, b);
  if (a.size() > INT_MAX || b.size() > INT_MAX) return false;
  return compare(Wide(a), static_cast<int>(a.size()), Wide(b), static_cast<int>(b.size()), TRUE) == CSTR_EQUAL;
}

// Upper-cased a piece at a time, in room of its own, so that no text is too long to compare and
// nothing is allocated; a piece never ends between the two halves of a surrogate pair.
bool SameFileNameTextByUpperCase(std::u16string_view a, std::u16string_view b) noexcept {
  if (a.size() != b.size()) return false;
  constexpr std::size_t kPiece = 128;
  wchar_t upperA[kPiece];
  wchar_t upperB[kPiece];
  for (std::size_t at = 0; at < a.size();) {
    std::size_t length = std::min(kPiece, a.size() - at);
    if (length == kPiece && IsHighSurrogate(a[at + length - 1])) --length;
    const int units = static_cast<int>(length);
    if (::LCMapStringW(LOCALE_INVARIANT, LCMAP_UPPERCASE, Wide(a.substr(at)), units, upperA, units) != units ||
        ::LCMapStringW(LOCALE_INVARIANT, LCMAP_UPPERCASE, Wide(b.substr(at)), units, upperB, units) != units ||
        std::wmemcmp(upperA, upperB, length) != 0) {
      return false;
    }
    at += length;
  }
  return true;
}

}  // namespace quillmere
