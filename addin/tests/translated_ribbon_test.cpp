#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "addin/ribbon_assembler.h"
#include "addin/tests/parsed_ribbon.h"
#include "common/tests/language_cases.h"
#include "common/memory_settings_store.h"
#include "common/settings_snapshot.h"
#include "common/texts/product_texts.h"

namespace quillmere {
namespace {

using testing_support::ParsedRibbon;

std::string Assemble(std::optional<std::uint32_t> uiLanguage, std::optional<std::string> version = std::nullopt) {
  FixedHost host("Microsoft Office PowerPoint", std::move(version), uiLanguage);
  MemorySettingsStore store;
  RibbonAssembler assembler;
  return std::string(assembler.GetRibbonXML(&host, SettingsSnapshot(store)).markup);
}

using testing_support::LanguageCase;

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
    for (std::size_t id = 0; id < kTextCount; ++id) column.emplace(Text(static_cast<TextId>(id), GetParam().language));
    for (const std::string& label : labels) {
      EXPECT_FALSE(label.empty());
      EXPECT_TRUE(column.contains(label)) << "\"" << label << "\" is not a text of this language";
    }
  }
}

// Every id that gets a translation.
std::vector<LanguageCase> TranslatedCases() {
  std::vector<LanguageCase> cases;
  for (const LanguageCase& c : testing_support::kLanguageCases) {
    if (c.language != UiLanguage::English) cases.push_back(c);
  }
  return cases;
}

INSTANTIATE_TEST_SUITE_P(EveryLanguage, TranslatedRibbonTest, testing::ValuesIn(TranslatedCases()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(TranslatedRibbonTest, EnglishAndLanguagesWithoutTranslationGiveTheEnglishDocument) {
  const std::string english = Assemble(std::nullopt);
  for (const LanguageCase& c : testing_support::kLanguageCases) {
    if (c.language == UiLanguage::English) {
      EXPECT_EQ(Assemble(c.lcid), english) << c.name;
    }
  }
  EXPECT_NE(Assemble(0x0407), english);
}

}  // namespace
}  // namespace quillmere
