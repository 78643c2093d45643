#pragma once

#include <cstddef>
#include <cwchar>
#include <string>
#include <string_view>

namespace quillmere {

// The one conversion between the UTF-16 text of Windows (registry values, BSTRs, window text)
// and the UTF-8 text of the portable core.
//
// Windows text may hold unpaired surrogates. Each travels as the three-byte form UTF-8 would give
// it if it were a character (the WTF-8 convention), so a stored value read from Windows and
// written back comes out unchanged, whatever it holds.
//
// Bytes that are not UTF-8 in that sense (a stray or missing continuation byte, an overlong form,
// a value beyond U+10FFFF, a surrogate pair split into two three-byte halves) never fail the
// conversion: each maximal ill-formed subsequence becomes one U+FFFD, as Unicode recommends and
// as Windows' own converter does. Every caller has a text to show or hand on, and a visible
// replacement character keeps the rest of it where a refusal would lose it all. Storage is the
// exception: a value is stored exactly or not at all (see IsExactUtf8).

std::string Utf16ToUtf8(std::u16string_view text);
std::u16string Utf8ToUtf16(std::string_view text);

// True when Utf8ToUtf16 replaces nothing, so the text is stored exactly as given.
bool IsExactUtf8(std::string_view text);

// For buffers the caller owns (a BSTR, say): the number of UTF-16 units Utf8ToUtf16 gives, and
// the conversion into `out`, which must have room for that many.
std::size_t Utf16Length(std::string_view text);
void Utf8ToUtf16(std::string_view text, char16_t* out);

#if WCHAR_MAX == 0xFFFF
// The same conversions for Windows' own wide characters.
std::string WideToUtf8(std::wstring_view text);
std::wstring Utf8ToWide(std::string_view text);
void Utf8ToWide(std::string_view text, wchar_t* out);
#endif

}  // namespace quillmere
