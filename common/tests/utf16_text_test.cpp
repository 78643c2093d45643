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
  EXPECT_EQ(Utf8ToUtf16(c.utf8, nullptr), c.utf16.size()) << "counting pass";
  auto back = Utf8ToUtf16(c.utf8);
  ASSERT_TRUE(back.has_value());
  EXPECT_EQ(*back, c.utf16);
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

struct Malformed {
  const char* name;
  std::string utf8;
};
void PrintTo(const Malformed& c, std::ostream* os) { *os << c.name; }

class Utf8Malformed : public testing::TestWithParam<Malformed> {};

TEST_P(Utf8Malformed, IsRefused) {
  EXPECT_FALSE(Utf8ToUtf16(GetParam().utf8).has_value());
  EXPECT_FALSE(Utf8ToUtf16(GetParam().utf8, nullptr).has_value());
}

INSTANTIATE_TEST_SUITE_P(
    Bytes, Utf8Malformed,
    testing::Values(Malformed{"stray_continuation", "1\x80"}, Malformed{"truncated_two_byte", "\xc3"},
                    Malformed{"truncated_four_byte", "\xf0\x9d\x84"}, Malformed{"overlong_two_byte", "\xc0\xaf"},
                    Malformed{"overlong_three_byte", "\xe0\x80\xaf"},
                    Malformed{"overlong_four_byte", "\xf0\x80\x80\xaf"},
                    Malformed{"beyond_unicode", "\xf4\x90\x80\x80"}, Malformed{"invalid_lead", "\xff"},
                    Malformed{"lead_without_continuation",
                              "\xe2"
                              "1"
                              "\xa6"},
                    // A pair split into two three-byte halves is not what Utf16ToUtf8 writes.
                    Malformed{"split_surrogate_pair", "\xed\xa0\x80\xed\xb0\x80"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace quillmere
