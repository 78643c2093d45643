#include "common/utf16_text.h"

#include <cstdint>

namespace quillmere {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool IsHighSurrogate(char32_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(char32_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

void AppendUtf8(std::string& out, char32_t point) {
  if (point < 0x80) {
    out += static_cast<char>(point);
  } else if (point < 0x800) {
    out += static_cast<char>(0xC0 | (point >> 6));
    out += static_cast<char>(0x80 | (point & 0x3F));
  } else if (point < 0x10000) {
    out += static_cast<char>(0xE0 | (point >> 12));
    out += static_cast<char>(0x80 | ((point >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (point & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (point >> 18));
    out += static_cast<char>(0x80 | ((point >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((point >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (point & 0x3F));
  }
}

template <typename Unit>
std::string FromUtf16(std::basic_string_view<Unit> text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    char32_t unit = static_cast<char16_t>(text[i]);
    if (IsHighSurrogate(unit) && i + 1 < text.size() && IsLowSurrogate(static_cast<char16_t>(text[i + 1]))) {
      unit = 0x10000 + ((unit - 0xD800) << 10) + (static_cast<char16_t>(text[i + 1]) - 0xDC00);
      ++i;
    }
    AppendUtf8(out, unit);
  }
  return out;
}

// The range the byte after `lead` must lie in; it excludes overlong forms and values beyond
// U+10FFFF, but admits the surrogates after 0xED (see the header).
struct Lead {
  int length;
  std::uint8_t secondLow;
  std::uint8_t secondHigh;
};

Lead LeadOf(std::uint8_t lead) {
  if (lead < 0x80) return {1, 0, 0};
  if (lead >= 0xC2 && lead <= 0xDF) return {2, 0x80, 0xBF};
  if (lead == 0xE0) return {3, 0xA0, 0xBF};
  if (lead >= 0xE1 && lead <= 0xEF) return {3, 0x80, 0xBF};
  if (lead == 0xF0) return {4, 0x90, 0xBF};
  if (lead >= 0xF1 && lead <= 0xF3) return {4, 0x80, 0xBF};
  if (lead == 0xF4) return {4, 0x80, 0x8F};
  return {0, 0, 0};
}

// Calls put() with each UTF-16 unit of the text; false when anything was replaced.
template <typename Put>
bool ToUtf16(std::string_view text, Put put) {
  bool exact = true;
  bool lastWasHigh = false;
  for (std::size_t i = 0; i < text.size();) {
    const auto lead = static_cast<std::uint8_t>(text[i]);
    const Lead form = LeadOf(lead);
    char32_t point = form.length == 1 ? lead : lead & (0x7F >> form.length);
    std::size_t taken = 1;
    bool complete = form.length != 0;
    for (int k = 1; k < form.length; ++k, ++taken) {
      if (i + taken >= text.size()) {
        complete = false;
        break;
      }
      const auto next = static_cast<std::uint8_t>(text[i + taken]);
      const bool fits = k == 1 ? next >= form.secondLow && next <= form.secondHigh : (next & 0xC0) == 0x80;
      if (!fits) {
        complete = false;
        break;
      }
      point = (point << 6) | (next & 0x3F);
    }
    i += taken;
    // Two halves would come back as one pair, not as the two units they were written from.
    if (!complete || (lastWasHigh && IsLowSurrogate(point))) {
      point = kReplacement;
      exact = false;
    }
    lastWasHigh = IsHighSurrogate(point);
    if (point >= 0x10000) {
      point -= 0x10000;
      put(static_cast<char16_t>(0xD800 + (point >> 10)));
      put(static_cast<char16_t>(0xDC00 + (point & 0x3FF)));
    } else {
      put(static_cast<char16_t>(point));
    }
  }
  return exact;
}

template <typename Unit>
std::basic_string<Unit> ToUtf16String(std::string_view text) {
  std::basic_string<Unit> out;
  out.reserve(text.size());
  ToUtf16(text, [&](char16_t unit) { out += static_cast<Unit>(unit); });
  return out;
}

}  // namespace

std::string Utf16ToUtf8(std::u16string_view text) { return FromUtf16(text); }

std::u16string Utf8ToUtf16(std::string_view text) { return ToUtf16String<char16_t>(text); }

bool IsExactUtf8(std::string_view text) {
  return ToUtf16(text, [](char16_t) {});
}

std::size_t Utf16Length(std::string_view text) {
  std::size_t length = 0;
  ToUtf16(text, [&](char16_t) { ++length; });
  return length;
}

void Utf8ToUtf16(std::string_view text, char16_t* out) {
  ToUtf16(text, [&](char16_t unit) { *out++ = unit; });
}

#if WCHAR_MAX == 0xFFFF
std::string WideToUtf8(std::wstring_view text) { return FromUtf16(text); }

std::wstring Utf8ToWide(std::string_view text) { return ToUtf16String<wchar_t>(text); }

void Utf8ToWide(std::string_view text, wchar_t* out) {
  ToUtf16(text, [&](char16_t unit) { *out++ = static_cast<wchar_t>(unit); });
}
#endif

}  // namespace quillmere
