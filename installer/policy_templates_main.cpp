// policy-templates: the Group Policy templates for the settings, for the release.
//   policy-templates --admx         Quillmere.admx
//   policy-templates --adml         en-US/Quillmere.adml
//   policy-templates --policy-key   the key the policies write, below HKLM and HKCU
#include <cstdio>
#include <exception>
#include <string>
#include <string_view>
#include <vector>

#include "common/settings_store.h"
#include "common/settings_table.h"
#include "installer/policy_templates.h"

namespace {

std::vector<quillmere::PolicyText> PolicyTexts() {
  using namespace quillmere;
  std::vector<PolicyText> texts;
  for (const Setting& setting : kSettings) {
    // A tab setting acts only while the master switch is on.
    const std::string_view dependsOn = setting.hiddenTab.empty() ? std::string_view() : SettingOf(kHideTabsKey).title;
    texts.push_back({setting.key, setting.title, setting.explanation, dependsOn});
  }
  return texts;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace quillmere;
  const std::string_view option = argc == 2 ? argv[1] : "";
  const std::string policyKey = PolicyKeyPath();
  std::string out;
  try {
    if (option == "--admx") {
      out = AdmxTemplate(PolicyTexts(), policyKey);
    } else if (option == "--adml") {
      out = AdmlTemplate(PolicyTexts());
    } else if (option == "--policy-key") {
      out = policyKey + "\n";
    } else {
      std::fputs("usage: policy-templates --admx | --adml | --policy-key\n", stderr);
      return 2;
    }
  } catch (const std::exception& e) {
    std::fprintf(stderr, "policy-templates: %s\n", e.what());
    return 1;
  }
  std::fwrite(out.data(), 1, out.size(), stdout);
  return std::fflush(stdout) == 0 ? 0 : 1;
}
