#include "common/product_texts.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>

namespace quillmere {
namespace {

struct LcidCase {
  const char* name;
  std::uint32_t lcid;
  UiLanguage language;
  friend void PrintTo(const LcidCase& c, std::ostream* os) { *os << c.name; }
};

class LanguageOfLcidTest : public testing::TestWithParam<LcidCase> {};

TEST_P(LanguageOfLcidTest, MatchesThePrimaryLanguageAndTheRegionWhereItDecidesTheScript) {
  EXPECT_EQ(LanguageOfLcid(GetParam().lcid), GetParam().language);
}

INSTANTIATE_TEST_SUITE_P(Regions, LanguageOfLcidTest,
                         testing::Values(LcidCase{"GermanSwitzerland", 0x0807, UiLanguage::German},
                                         LcidCase{"FrenchCanada", 0x0C0C, UiLanguage::French},
                                         LcidCase{"SpanishMexico", 0x080A, UiLanguage::Spanish},
                                         LcidCase{"ChinesePrc", 0x0804, UiLanguage::ChineseSimplified},
                                         LcidCase{"ChineseSingapore", 0x1004, UiLanguage::ChineseSimplified},
                                         LcidCase{"ChineseHans", 0x0004, UiLanguage::ChineseSimplified},
                                         LcidCase{"ChinesePrcStrokeSort", 0x00020804, UiLanguage::ChineseSimplified},
                                         LcidCase{"ChineseTaiwan", 0x0404, UiLanguage::ChineseTraditional},
                                         LcidCase{"ChineseHongKong", 0x0C04, UiLanguage::ChineseTraditional},
                                         LcidCase{"ChineseMacao", 0x1404, UiLanguage::ChineseTraditional},
                                         LcidCase{"ChineseHant", 0x7C04, UiLanguage::ChineseTraditional},
                                         LcidCase{"PortugueseBrazil", 0x0416, UiLanguage::PortugueseBrazil},
                                         LcidCase{"PortuguesePortugal", 0x0816, UiLanguage::PortuguesePortugal},
                                         LcidCase{"EnglishUk", 0x0809, UiLanguage::English},
                                         LcidCase{"Turkish", 0x041F, UiLanguage::English},
                                         LcidCase{"Nothing", 0, UiLanguage::English}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ProductTextsTest, OutOfRangeAsksGiveEmptyText) {
  EXPECT_EQ(Text(TextId::None, UiLanguage::German), "");
  EXPECT_EQ(BoxCaption(-1, UiLanguage::German), "");
  EXPECT_EQ(BoxCaption(kBoxCaptionCount, UiLanguage::German), "");
  EXPECT_EQ(CultureName(static_cast<UiLanguage>(kUiLanguageCount)), "");
}

}  // namespace
}  // namespace quillmere
