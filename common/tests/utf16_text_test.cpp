#include "common/utf16_text.h"

#include <gtest/gtest.h>

#include <ostream>

namespace quillmere {
namespace {

struct RoundTrip {
  const char* name;
  std::u16string utf16;
  std::string utf8;
};
void PrintTo(const RoundTrip& c, std::ostream* os) { *os << c.name; }

class Utf16RoundTrip : public testing::TestWithParam<RoundTrip> {};

TEST_P(Utf16RoundTrip, ConvertsBothWaysExactly) {
  const RoundTrip& c = GetParam();
  EXPECT_EQ(Utf16ToUtf8(c.utf16), c.utf8);
  EXPECT_EQ(Utf8ToUtf16(c.utf8), c.utf16);
  EXPECT_EQ(Utf16Length(c.utf8), c.utf16.size());
  EXPECT_TRUE(IsExactUtf8(c.utf8));
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Utf16RoundTrip,
    testing::Values(RoundTrip{"empty", u"", ""}, RoundTrip{"ascii", u"Hide built-in Tabs", "Hide built-in Tabs"},
                    RoundTrip{"two_byte", u"\u00fc\u07ff", "\xc3\xbc\xdf\xbf"},
                    RoundTrip{"three_byte", u"\u2026\uffff", "\xe2\x80\xa6\xef\xbf\xbf"},
                    RoundTrip{"surrogate_pair", u"\U0001d11e\U0010ffff", "\xf0\x9d\x84\x9e\xf4\x8f\xbf\xbf"},
                    RoundTrip{"embedded_nul", std::u16string(u"a\0b", 3), std::string("a\0b", 3)},
                    RoundTrip{"lone_high_surrogate", u"1\xd800", "1\xed\xa0\x80"},
                    RoundTrip{"lone_low_surrogate",
                              u"\xdc00"
                              u"1",
                              "\xed\xb0\x80"
                              "1"},
                    RoundTrip{"low_then_high", u"\xdc00\xd800", "\xed\xb0\x80\xed\xa0\x80"},
                    RoundTrip{"high_at_end_after_pair", u"\U0001d11e\xdbff", "\xf0\x9d\x84\x9e\xed\xaf\xbf"}),
    [](const auto& info) { return std::string(info.param.name); });

// Each maximal ill-formed subsequence becomes one U+FFFD; what follows it is read as usual.
struct Malformed {
  const char* name;
  std::string utf8;
  std::u16string utf16;
};
void PrintTo(const Malformed& c, std::ostream* os) { *os << c.name; }

class Utf8Malformed : public testing::TestWithParam<Malformed> {};

TEST_P(Utf8Malformed, BecomesReplacementCharacters) {
  const Malformed& c = GetParam();
  EXPECT_EQ(Utf8ToUtf16(c.utf8), c.utf16);
  EXPECT_FALSE(IsExactUtf8(c.utf8));
  ASSERT_EQ(Utf16Length(c.utf8), c.utf16.size());
  std::u16string buffer(c.utf16.size(), u'\0');
  Utf8ToUtf16(c.utf8, buffer.data());
  EXPECT_EQ(buffer, c.utf16);
}

INSTANTIATE_TEST_SUITE_P(
    Bytes, Utf8Malformed,
    testing::Values(Malformed{"stray_continuation", "1\x80", u"1\xfffd"},
                    Malformed{"truncated_two_byte", "\xc3", u"\xfffd"},
                    Malformed{"truncated_four_byte", "\xf0\x9d\x84", u"\xfffd"},
                    Malformed{"overlong_two_byte", "\xc0\xaf", u"\xfffd\xfffd"},
                    Malformed{"overlong_three_byte", "\xe0\x80\xaf", u"\xfffd\xfffd\xfffd"},
                    Malformed{"overlong_four_byte", "\xf0\x80\x80\xaf", u"\xfffd\xfffd\xfffd\xfffd"},
                    Malformed{"beyond_unicode", "\xf4\x90\x80\x80", u"\xfffd\xfffd\xfffd\xfffd"},
                    Malformed{"invalid_lead", "\xff", u"\xfffd"},
                    Malformed{"lead_without_continuation",
                              "\xe2"
                              "1"
                              "\xa6",
                              u"\xfffd"
                              u"1"
                              u"\xfffd"},
                    // Utf16ToUtf8 writes a pair as one four-byte form, never as two halves.
                    Malformed{"split_surrogate_pair", "\xed\xa0\x80\xed\xb0\x80", u"\xd800\xfffd"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace quillmere
