#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "addin/ribbon_assembler.h"
#include "addin/tests/parsed_ribbon.h"
#include "common/memory_settings_store.h"
#include "common/product_texts.h"

namespace quillmere {
namespace {

using testing_support::ParsedRibbon;

std::string Assemble(std::optional<std::uint32_t> uiLanguage, std::optional<std::string> version = std::nullopt) {
  FixedHost host("Microsoft Office PowerPoint", std::move(version), uiLanguage);
  MemorySettingsStore store;
  RibbonAssembler assembler;
  return std::string(assembler.GetRibbonXML(&host, store));
}

struct LanguageCase {
  const char* name;
  std::uint32_t lcid;
  UiLanguage language;
  friend void PrintTo(const LanguageCase& c, std::ostream* os) { *os << c.name; }
};

class TranslatedRibbonTest : public testing::TestWithParam<LanguageCase> {};

// The product's own elements: the tab, the group, the menus and the custom buttons (spacers are
// disabled blanks and carry no text).
const std::string kProductElements = "//r:tab[@id] | //r:group | //r:menu | //r:button[not(@enabled='false')]";

TEST_P(TranslatedRibbonTest, KeepsTheEnglishStructureAndNamesOnlyTheProductsOwnElements) {
  const std::string english = Assemble(std::nullopt);
  for (const std::optional<std::string>& version : {std::optional<std::string>{}, std::optional<std::string>{"16.0"}}) {
    const std::string text = Assemble(GetParam().lcid, version);
    ParsedRibbon translated(text);
    ASSERT_TRUE(translated.WellFormed()) << text;
    ParsedRibbon original(version ? Assemble(std::nullopt, version) : english);

    // Ids, elements and their order are the English document's.
    EXPECT_EQ(translated.Select("//*"), original.Select("//*"));
    const std::vector<std::string> ids = translated.Select("//@id");
    EXPECT_EQ(ids, original.Select("//@id"));
    EXPECT_EQ(std::set<std::string>(ids.begin(), ids.end()).size(), ids.size()) << "ids must be unique";
    EXPECT_EQ(translated.Select("//@idMso"), original.Select("//@idMso"));

    // The host names its own commands in its own language.
    EXPECT_EQ(translated.Count("//*[@idMso][@label or @screentip or @supertip]"), 0u);

    // Every product text is there, in that language: a label, or for an icon-only menu its tip.
    const std::vector<std::string> labels = translated.Select(
        "//r:tab[@id]/@label | //r:group/@label | //r:menu/@label | "
        "//r:menu[not(@label)]/@screentip | //r:button[not(@enabled='false')]/@label");
    EXPECT_EQ(labels.size(), translated.Count(kProductElements));
    EXPECT_EQ(translated.Select("//r:button[not(@enabled='false')]/@screentip").size(),
              original.Select("//r:button[not(@enabled='false')]/@screentip").size());
    std::set<std::string> column;
    for (const ProductText& row : kProductTexts) column.emplace(Text(row.id, GetParam().language));
    for (const std::string& label : labels) {
      EXPECT_FALSE(label.empty());
      EXPECT_TRUE(column.contains(label)) << "\"" << label << "\" is not a text of this language";
    }
  }
}

INSTANTIATE_TEST_SUITE_P(EveryLanguage, TranslatedRibbonTest,
                         testing::Values(LanguageCase{"German", 0x0407, UiLanguage::German},
                                         LanguageCase{"French", 0x040C, UiLanguage::French},
                                         LanguageCase{"Spanish", 0x0C0A, UiLanguage::Spanish},
                                         LanguageCase{"Italian", 0x0410, UiLanguage::Italian},
                                         LanguageCase{"PortugueseBrazil", 0x0416, UiLanguage::PortugueseBrazil},
                                         LanguageCase{"PortuguesePortugal", 0x0816, UiLanguage::PortuguesePortugal},
                                         LanguageCase{"Dutch", 0x0413, UiLanguage::Dutch},
                                         LanguageCase{"Japanese", 0x0411, UiLanguage::Japanese},
                                         LanguageCase{"ChineseSimplified", 0x0804, UiLanguage::ChineseSimplified},
                                         LanguageCase{"ChineseTraditional", 0x0404, UiLanguage::ChineseTraditional},
                                         LanguageCase{"Korean", 0x0412, UiLanguage::Korean},
                                         LanguageCase{"Russian", 0x0419, UiLanguage::Russian},
                                         LanguageCase{"Polish", 0x0415, UiLanguage::Polish}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(TranslatedRibbonTest, EnglishAndLanguagesWithoutTranslationGiveTheEnglishDocument) {
  const std::string english = Assemble(std::nullopt);
  for (std::uint32_t lcid : {0x0409u, 0x0809u, 0x041Fu, 0x0000u}) {
    EXPECT_EQ(Assemble(lcid), english) << std::hex << lcid;
  }
  EXPECT_NE(Assemble(0x0407), english);
}

}  // namespace
}  // namespace quillmere
