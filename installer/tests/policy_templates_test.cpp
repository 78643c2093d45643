#include "installer/policy_templates.h"

#include <gtest/gtest.h>

#include <clocale>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "common/texts/policy_texts.h"
#include "common/texts/product_texts.h"

namespace quillmere {
namespace {

// The same ids under a Turkish locale, where the C library upper-cases no "i".
TEST(PolicyTemplates, IdsKeepTheKeysWordsWithoutBlanksOrPunctuation) {
  const std::string previous = std::setlocale(LC_ALL, nullptr);
  for (const char* locale : {"C", "tr_TR.UTF-8"}) {
    ASSERT_NE(std::setlocale(LC_ALL, locale), nullptr) << locale << ": run scripts/setup.sh native";
    EXPECT_EQ(PolicyName("Hide built-in Tabs"), "HideBuiltInTabs") << locale;
    EXPECT_EQ(PolicyName("Slide Show"), "SlideShow") << locale;
    EXPECT_EQ(PolicyName("Classic"), "Classic") << locale;
  }
  std::setlocale(LC_ALL, previous.c_str());
}

TEST(PolicyTemplates, KeysWithoutAnIdOfTheirOwnAreRefused) {
  const std::vector<PolicyText> sameId{{"Slide Show", "a", "b", ""}, {"slide-show", "c", "d", ""}};
  EXPECT_THROW(AdmxTemplate(sameId, "Software\\Policies\\X"), std::invalid_argument);
  const std::vector<PolicyText> noId{{" - ", "a", "b", ""}};
  EXPECT_THROW(AdmxTemplate(noId, "Software\\Policies\\X"), std::invalid_argument);
}

TEST(PolicyTemplates, TextsAreWrittenAsXmlText) {
  const std::vector<PolicyText> settings{{"Q&A", "Hide <all> & \"more\"", "x > y", ""}};
  const std::string admx = AdmxTemplate(settings, "Software\\Policies\\A&B");
  EXPECT_NE(admx.find(R"(key="Software\Policies\A&amp;B" valueName="Q&amp;A")"), std::string::npos) << admx;
  const std::string adml = AdmlTemplate(settings);
  EXPECT_NE(adml.find("<string id=\"QA\">Hide &lt;all&gt; &amp; &quot;more&quot;</string>"), std::string::npos) << adml;
  EXPECT_NE(adml.find("<string id=\"QA_Explain\">x &gt; y\n"), std::string::npos) << adml;
}

TEST(PolicyTemplates, ASettingThatDependsOnAnotherSaysSo) {
  const std::vector<PolicyText> settings{{"Master", "Allow it", "Allows.", ""},
                                         {"Tab", "Hide it", "Hides.", "Allow it"}};
  const std::string adml = AdmlTemplate(settings);
  const auto tab = adml.find("<string id=\"Tab_Explain\">");
  ASSERT_NE(tab, std::string::npos);
  EXPECT_EQ(adml.find("\"Allow it\" is on"), adml.find("\"Allow it\" is on", tab)) << adml;
}

// Each "{}" of a shared sentence filled in.
std::string Filled(std::string_view text, std::string_view value) {
  std::string filled(text);
  for (auto slot = filled.find("{}"); slot != std::string::npos; slot = filled.find("{}", slot + value.size()))
    filled.replace(slot, 2, value);
  return filled;
}

TEST(PolicyTemplates, ALanguageFileSaysEverySharedSentenceInItsLanguage) {
  const std::vector<PolicyText> settings{{"Master", "Erlauben", "Erlaubt.", ""},
                                         {"Tab", "Ausblenden", "Blendet aus.", "Erlauben"}};
  const std::string adml = AdmlTemplate(settings, UiLanguage::German);
  const std::string dependsOn = Filled(Text(PolicyTextId::DependsOn, UiLanguage::German), "Erlauben");
  EXPECT_NE(adml.find("<string id=\"Tab_Explain\">Blendet aus.\n\n" + dependsOn + "\n\n"), std::string::npos) << adml;
  // The box's note in the control panel, as the panel shows it in that language.
  const std::string common =
      Filled(Text(PolicyTextId::CommonExplanation, UiLanguage::German), Text(TextId::PanelLocked, UiLanguage::German));
  EXPECT_NE(adml.find(common + "</string>"), std::string::npos) << adml;
  EXPECT_EQ(adml.find(Text(TextId::PanelLocked, UiLanguage::English)), std::string::npos) << adml;
}

}  // namespace
}  // namespace quillmere
