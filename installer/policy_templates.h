#pragma once

#include <span>
#include <string>
#include <string_view>

#include "common/texts/ui_language.h"

namespace quillmere {

// What Group Policy editors show for one setting.
struct PolicyText {
  std::string_view key;          // the setting's key: the registry value the policy writes
  std::string_view title;        // the policy's name in the editor
  std::string_view explanation;  // what the setting does in PowerPoint
  std::string_view dependsOn;    // the title of the setting that must be on for this one to act, or empty
};

// The policy's id in the templates: the key's letters and digits, each word capitalised
// ("Hide built-in Tabs" -> "HideBuiltInTabs"), since ids may not hold blanks.
std::string PolicyName(std::string_view key);

// The administrative template: one category "Quillmere" and one policy per setting for computer
// and user alike, each writing DWORD 1 when enabled and 0 when disabled under policyKey.
// Throws std::invalid_argument when two keys give the same policy name.
std::string AdmxTemplate(std::span<const PolicyText> settings, std::string_view policyKey);

// Its language file: every text the template refers to, the settings' own texts as given and the
// rest in that language (en-US/Quillmere.adml for English, de-DE/Quillmere.adml for German...).
std::string AdmlTemplate(std::span<const PolicyText> settings, UiLanguage language = UiLanguage::English);

}  // namespace quillmere
