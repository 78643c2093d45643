#include "common/setting_conversion.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>

#include "common/setting_value.h"

namespace quillmere {
namespace {

struct WholeCase {
  std::string text;
  std::optional<std::int32_t> expected;
  friend void PrintTo(const WholeCase& c, std::ostream* os) { *os << '"' << c.text << '"'; }
};

class ToInt32Test : public testing::TestWithParam<WholeCase> {};

TEST_P(ToInt32Test, ConvertsAsAUserWouldExpect) {
  EXPECT_EQ(ToInt32(GetParam().text), GetParam().expected) << "text: \"" << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    StoredTexts, ToInt32Test,
    testing::Values(
        // what the control panel writes, and what people type
        WholeCase{"0", 0}, WholeCase{"1", 1}, WholeCase{"-1", -1}, WholeCase{"+1", 1}, WholeCase{" 1 ", 1},
        WholeCase{"\t2\t", 2}, WholeCase{"007", 7}, WholeCase{"1.0", 1}, WholeCase{"1e0", 1}, WholeCase{"1E3", 1000},
        WholeCase{"100e-2", 1}, WholeCase{".5e1", 5}, WholeCase{"1.", 1},
        // fractions round to the nearest whole number, a tie to the even one
        WholeCase{"0.5", 0}, WholeCase{"1.5", 2}, WholeCase{"2.5", 2}, WholeCase{"-2.5", -2}, WholeCase{"-3.5", -4},
        WholeCase{"2.5000001", 3}, WholeCase{"2.4999999", 2}, WholeCase{"0.05", 0}, WholeCase{"1e-100000000", 0},
        WholeCase{"-0.4", 0},
        // the edges of the 32-bit range
        WholeCase{"2147483647", 2147483647}, WholeCase{"-2147483648", INT32_MIN}, WholeCase{"2147483647.4", 2147483647},
        WholeCase{"2147483647.5", std::nullopt}, WholeCase{"2147483648", std::nullopt},
        WholeCase{"-2147483649", std::nullopt}, WholeCase{"1e10", std::nullopt},
        WholeCase{"1e99999999999", std::nullopt}, WholeCase{"99999999999999999999999", std::nullopt},
        // not numbers
        WholeCase{"", std::nullopt}, WholeCase{"   ", std::nullopt}, WholeCase{"abc", std::nullopt},
        WholeCase{"1a", std::nullopt}, WholeCase{"1 2", std::nullopt}, WholeCase{"--1", std::nullopt},
        WholeCase{"+", std::nullopt}, WholeCase{".", std::nullopt}, WholeCase{"1e", std::nullopt},
        WholeCase{"1e+", std::nullopt}, WholeCase{"0x10", std::nullopt}, WholeCase{"inf", std::nullopt},
        WholeCase{"nan", std::nullopt}, WholeCase{"1,0", std::nullopt}, WholeCase{"\n1", std::nullopt},
        WholeCase{std::string("1\0", 2), std::nullopt}));

// The control panel's box state is a 16-bit whole number, rounded as the stored whole numbers are.
TEST(BoxStateRangeTest, HasItsOwnRange) {
  EXPECT_TRUE(FitsBoxState(32767));
  EXPECT_TRUE(FitsBoxState(-32768));
  EXPECT_FALSE(FitsBoxState(32768));
  EXPECT_FALSE(FitsBoxState(32767.5));
  EXPECT_TRUE(FitsBoxState(1.5));
}

struct DoubleCase {
  std::string text;
  std::optional<double> expected;
  friend void PrintTo(const DoubleCase& c, std::ostream* os) { *os << '"' << c.text << '"'; }
};

class ToDoubleTest : public testing::TestWithParam<DoubleCase> {};

TEST_P(ToDoubleTest, ConvertsAsAUserWouldExpect) {
  EXPECT_EQ(ToDouble(GetParam().text), GetParam().expected) << "text: \"" << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(StoredTexts, ToDoubleTest,
                         testing::Values(DoubleCase{"1", 1.0}, DoubleCase{" +1.0 ", 1.0}, DoubleCase{"0.5", 0.5},
                                         DoubleCase{"-2.25", -2.25}, DoubleCase{"9", 9.0}, DoubleCase{"1e2", 100.0},
                                         DoubleCase{".25", 0.25}, DoubleCase{"3.", 3.0}, DoubleCase{"1e-400", 0.0},
                                         DoubleCase{"1e400", std::nullopt}, DoubleCase{"", std::nullopt},
                                         DoubleCase{"one", std::nullopt}, DoubleCase{"1.0.0", std::nullopt},
                                         DoubleCase{"inf", std::nullopt}, DoubleCase{"nan", std::nullopt},
                                         DoubleCase{"0x1p3", std::nullopt}));

}  // namespace
}  // namespace quillmere
