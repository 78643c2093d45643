// policy-templates: the Group Policy templates for the settings, for the release.
//   policy-templates --admx           Quillmere.admx
//   policy-templates --adml [CULTURE] CULTURE/Quillmere.adml (default en-US)
//   policy-templates --cultures       the cultures there are language files for, one a line
//   policy-templates --policy-key     the key the policies write, below HKLM and HKCU
#include <cstdio>
#include <exception>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/settings_store.h"
#include "common/settings_table.h"
#include "common/texts/policy_texts.h"
#include "installer/policy_templates.h"

namespace {

std::vector<quillmere::PolicyText> PolicyTexts(quillmere::UiLanguage language = quillmere::UiLanguage::English) {
  using namespace quillmere;
  std::vector<PolicyText> texts;
  for (const Setting& setting : kSettings) {
    // A tab setting acts only while the master switch is on.
    const std::string_view dependsOn = HidesATab(setting) ? Text(kHideTabs.policyTitle, language) : std::string_view();
    texts.push_back(
        {setting.key, Text(setting.policyTitle, language), Text(setting.policyExplanation, language), dependsOn});
  }
  return texts;
}

std::optional<quillmere::UiLanguage> LanguageOfCulture(std::string_view culture) {
  for (std::size_t i = 0; i < quillmere::kUiLanguageCount; ++i) {
    const auto language = static_cast<quillmere::UiLanguage>(i);
    if (quillmere::CultureName(language) == culture) return language;
  }
  return std::nullopt;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace quillmere;
  const std::string_view option = argc >= 2 ? argv[1] : "";
  const std::optional<UiLanguage> language =
      argc == 3 && option == "--adml" ? LanguageOfCulture(argv[2]) : std::optional(UiLanguage::English);
  const std::string policyKey = PolicyKeyPath();
  std::string out;
  try {
    if (option == "--admx" && argc == 2) {
      out = AdmxTemplate(PolicyTexts(), policyKey);
    } else if (option == "--adml" && language && argc <= 3) {
      out = AdmlTemplate(PolicyTexts(*language), *language);
    } else if (option == "--cultures" && argc == 2) {
      for (std::size_t i = 0; i < kUiLanguageCount; ++i) {
        out.append(CultureName(static_cast<UiLanguage>(i))).append("\n");
      }
    } else if (option == "--policy-key" && argc == 2) {
      out = policyKey + "\n";
    } else {
      std::fputs("usage: policy-templates --admx | --adml [CULTURE] | --cultures | --policy-key\n", stderr);
      return 2;
    }
  } catch (const std::exception& e) {
    std::fprintf(stderr, "policy-templates: %s\n", e.what());
    return 1;
  }
  std::fwrite(out.data(), 1, out.size(), stdout);
  return std::fflush(stdout) == 0 ? 0 : 1;
}
