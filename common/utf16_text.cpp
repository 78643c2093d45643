#include "common/utf16_text.h"

#include <cstdint>

namespace quillmere {
namespace {

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

}  // namespace

std::string Utf16ToUtf8(std::u16string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    char32_t unit = text[i];
    if (IsHighSurrogate(unit) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
      unit = 0x10000 + ((unit - 0xD800) << 10) + (static_cast<char32_t>(text[i + 1]) - 0xDC00);
      ++i;
    }
    AppendUtf8(out, unit);
  }
  return out;
}

std::optional<std::size_t> Utf8ToUtf16(std::string_view text, char16_t* out) {
  std::size_t written = 0;
  auto put = [&](char32_t unit) {
    if (out != nullptr) out[written] = static_cast<char16_t>(unit);
    ++written;
  };
  bool lastWasLoneHigh = false;
  for (std::size_t i = 0; i < text.size();) {
    const auto lead = static_cast<std::uint8_t>(text[i]);
    int length = 0;
    char32_t point = 0;
    if (lead < 0x80) {
      length = 1, point = lead;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
      length = 2, point = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      length = 3, point = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      length = 4, point = lead & 0x07;
    } else {
      return std::nullopt;
    }
    if (text.size() - i < static_cast<std::size_t>(length)) return std::nullopt;
    for (int k = 1; k < length; ++k) {
      const auto next = static_cast<std::uint8_t>(text[i + k]);
      if ((next & 0xC0) != 0x80) return std::nullopt;
      point = (point << 6) | (next & 0x3F);
    }
    // Overlong forms and points beyond Unicode have two spellings or none: refuse them.
    if ((length == 3 && point < 0x800) || (length == 4 && (point < 0x10000 || point > 0x10FFFF))) {
      return std::nullopt;
    }
    // A lone high surrogate followed by a lone low one would come back as one pair, not as
    // the two units it was written from; no conversion from UTF-16 produces that.
    if (lastWasLoneHigh && IsLowSurrogate(point)) return std::nullopt;
    lastWasLoneHigh = IsHighSurrogate(point);
    if (point >= 0x10000) {
      point -= 0x10000;
      put(0xD800 + (point >> 10));
      put(0xDC00 + (point & 0x3FF));
    } else {
      put(point);
    }
    i += length;
  }
  return written;
}

std::optional<std::u16string> Utf8ToUtf16(std::string_view text) {
  auto length = Utf8ToUtf16(text, nullptr);
  if (!length) return std::nullopt;
  std::u16string out(*length, u'\0');
  Utf8ToUtf16(text, out.data());
  return out;
}

}  // namespace quillmere
