#include "common/texts/product_texts.h"

#include <gtest/gtest.h>

#include <string>

#include "common/tests/language_cases.h"

namespace quillmere {
namespace {

using testing_support::LanguageCase;

class LanguageOfLcidTest : public testing::TestWithParam<LanguageCase> {};

TEST_P(LanguageOfLcidTest, MatchesThePrimaryLanguageAndTheRegionWhereItDecidesTheScript) {
  EXPECT_EQ(LanguageOfLcid(GetParam().lcid), GetParam().language);
}

INSTANTIATE_TEST_SUITE_P(Ids, LanguageOfLcidTest, testing::ValuesIn(testing_support::kLanguageCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ProductTextsTest, OutOfRangeAsksGiveEmptyText) {
  EXPECT_EQ(Text(TextId::None, UiLanguage::German), "");
  EXPECT_EQ(Text(TextId::MenuFile, static_cast<UiLanguage>(kUiLanguageCount)), "");
  EXPECT_EQ(CultureName(static_cast<UiLanguage>(kUiLanguageCount)), "");
}

}  // namespace
}  // namespace quillmere
