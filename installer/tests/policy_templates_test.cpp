#include "installer/policy_templates.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

namespace quillmere {
namespace {

TEST(PolicyTemplates, IdsKeepTheKeysWordsWithoutBlanksOrPunctuation) {
  EXPECT_EQ(PolicyName("Hide built-in Tabs"), "HideBuiltInTabs");
  EXPECT_EQ(PolicyName("Slide Show"), "SlideShow");
  EXPECT_EQ(PolicyName("Classic"), "Classic");
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

TEST(PolicyTemplates, ALanguageFileSaysEverySharedSentenceInItsLanguage) {
  const std::vector<PolicyText> settings{{"Master", "Erlauben", "Erlaubt.", ""},
                                         {"Tab", "Ausblenden", "Blendet aus.", "Erlauben"}};
  const std::string adml = AdmlTemplate(settings, UiLanguage::German);
  EXPECT_NE(adml.find("<string id=\"Tab_Explain\">Blendet aus.\n\nDiese Einstellung wirkt nur, solange „Erlauben“ "
                      "eingeschaltet ist. Um sie unabhängig von der Wahl des Benutzers zu erzwingen, aktivieren Sie "
                      "hier auch „Erlauben“:"),
            std::string::npos)
      << adml;
  // The box's note in the control panel, quoted as the panel shows it in that language.
  EXPECT_NE(adml.find("„Von Ihrem Administrator festgelegt“"), std::string::npos) << adml;
  EXPECT_EQ(adml.find("Set by your administrator"), std::string::npos) << adml;
}

}  // namespace
}  // namespace quillmere
