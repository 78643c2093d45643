#include "panel/disabled_items.h"

#include <algorithm>
#include <cstdint>

namespace quillmere {
namespace {

constexpr std::uint32_t kAddInItem = 1;
constexpr std::size_t kHeaderBytes = 12;

std::uint32_t U32At(std::span<const std::byte> bytes, std::size_t at) {
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < 4; ++i) value |= std::to_integer<std::uint32_t>(bytes[at + i]) << (8 * i);
  return value;
}

// The zero-terminated UTF-16 LE text of `length` bytes at `at`, which the caller has checked lie
// inside the value; zeros may follow the terminating one. None without a zero, or with anything
// but zeros after the first.
std::optional<std::u16string> TerminatedText(std::span<const std::byte> bytes, std::size_t at, std::size_t length) {
  if (length < 2 || length % 2 != 0) return std::nullopt;
  std::u16string text;
  bool ended = false;
  for (std::size_t i = 0; i < length; i += 2) {
    const auto unit = static_cast<char16_t>(std::to_integer<unsigned>(bytes[at + i]) |
                                            std::to_integer<unsigned>(bytes[at + i + 1]) << 8);
    if (ended && unit != 0) return std::nullopt;
    if (unit == 0) ended = true;
    if (!ended) text.push_back(unit);
  }
  if (!ended) return std::nullopt;
  return text;
}

// Simple lower-case mapping for the scripts path names commonly use (Latin, Greek, Cyrillic), as
// Windows compares file names regardless of case.
char16_t Folded(char16_t c) {
  if (c >= u'A' && c <= u'Z') return static_cast<char16_t>(c + 32);
  if (c < 0xC0) return c;
  if ((c <= 0xDE && c != 0xD7) || (c >= 0x391 && c <= 0x3AB && c != 0x3A2) || (c >= 0x410 && c <= 0x42F))
    return static_cast<char16_t>(c + 32);
  if (c >= 0x400 && c <= 0x40F) return static_cast<char16_t>(c + 80);
  if (c == 0x178) return 0xFF;
  const bool evenPairs = (c >= 0x100 && c <= 0x12F) || (c >= 0x132 && c <= 0x137) || (c >= 0x14A && c <= 0x177);
  const bool oddPairs = (c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E);
  if ((evenPairs && c % 2 == 0) || (oddPairs && c % 2 == 1)) return static_cast<char16_t>(c + 1);
  return c;
}

// "UNC\" (in any case) after a long-path prefix: the rest names a network share.
bool StartsWithUnc(std::u16string_view path) {
  return path.size() >= 4 && Folded(path[0]) == u'u' && Folded(path[1]) == u'n' && Folded(path[2]) == u'c' &&
         (path[3] == u'\\' || path[3] == u'/');
}

// The path without a long-path prefix ("\\?\UNC\server" as "\\server"), '/' read as '\' and
// runs of separators as one; letter case stays for the comparison to judge.
std::u16string Normalized(std::u16string_view path) {
  std::u16string out;
  for (std::u16string_view prefix : {u"\\\\?\\", u"//?/", u"\\??\\"}) {
    if (path.substr(0, prefix.size()) == prefix) {
      path.remove_prefix(prefix.size());
      if (StartsWithUnc(path)) {
        path.remove_prefix(4);
        out = u"\\\\";
      }
      break;
    }
  }
  for (char16_t c : path) {
    if (c == u'/') c = u'\\';
    // A network path keeps its two leading separators; elsewhere a run counts as one.
    if (c == u'\\' && out.size() > 1 && out.back() == u'\\') continue;
    out.push_back(c);
  }
  return out;
}

}  // namespace

std::optional<std::u16string> DisabledAddInPath(std::span<const std::byte> value) {
  if (value.size() < kHeaderBytes || U32At(value, 0) != kAddInItem) return std::nullopt;
  const std::uint64_t pathBytes = U32At(value, 4);
  const std::uint64_t nameBytes = U32At(value, 8);
  if (pathBytes + nameBytes > value.size() - kHeaderBytes) return std::nullopt;
  auto path = TerminatedText(value, kHeaderBytes, static_cast<std::size_t>(pathBytes));
  if (!path ||
      (nameBytes != 0 && !TerminatedText(value, kHeaderBytes + pathBytes, static_cast<std::size_t>(nameBytes))))
    return std::nullopt;
  return path;
}

bool SameFoldingCommonScripts(std::u16string_view a, std::u16string_view b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](char16_t x, char16_t y) { return Folded(x) == Folded(y); });
}

bool SameLibraryPath(std::u16string_view a, std::u16string_view b, SameIgnoringCase same) {
  return same(Normalized(a), Normalized(b));
}

bool DisablesOneOf(std::span<const std::byte> value, std::span<const std::u16string> libraries, SameIgnoringCase same) {
  const auto path = DisabledAddInPath(value);
  if (!path || path->empty()) return false;
  for (const auto& library : libraries) {
    if (SameLibraryPath(*path, library, same)) return true;
  }
  return false;
}

}  // namespace quillmere
