#include "installer/policy_templates.h"

#include <cctype>
#include <set>
#include <stdexcept>

#include "installer/xml_text.h"

namespace quillmere {
namespace {

constexpr std::string_view kCategory = "Quillmere";
constexpr std::string_view kSupportedOn = "SUPPORTED_PowerPoint2007";

// Said of every setting; kept here so that each setting's own text says only what it does.
constexpr std::string_view kCommonExplanation =
    "If you enable this policy setting, the setting is on, as if the user had checked its box in the "
    "Quillmere control panel; if you disable it, the setting is off. "
    "If you do not configure this policy setting, the user's own choice in the Quillmere control panel "
    "applies. A setting under Computer Configuration takes precedence over the same setting under User "
    "Configuration.\n\n"
    "In the control panel the box of a setting enforced here shows the enforced state, cannot be changed "
    "and says \"Set by your administrator\". The user's own choice comes back when the policy is no longer "
    "configured. PowerPoint applies a change the next time it starts.";

template <typename... Parts>
void Append(std::string& out, const Parts&... parts) {
  (out.append(parts), ...);
}

void AppendString(std::string& out, std::string_view id, std::string_view text) {
  Append(out, "      <string id=\"", id, "\">", EscapeXml(text), "</string>\n");
}

}  // namespace

std::string PolicyName(std::string_view key) {
  std::string name;
  bool wordStart = true;
  for (char c : key) {
    const auto byte = static_cast<unsigned char>(c);
    if (std::isalnum(byte) == 0 || byte > 0x7f) {
      wordStart = true;
      continue;
    }
    name += wordStart ? static_cast<char>(std::toupper(byte)) : c;
    wordStart = false;
  }
  return name;
}

std::string AdmxTemplate(std::span<const PolicyText> settings, std::string_view policyKey) {
  std::string out =
      "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
      "<policyDefinitions xmlns:xsd=\"http://www.w3.org/2001/XMLSchema\" "
      "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" revision=\"1.0\" schemaVersion=\"1.0\" "
      "xmlns=\"http://schemas.microsoft.com/GroupPolicy/2006/07/PolicyDefinitions\">\n"
      "  <policyNamespaces>\n"
      "    <target prefix=\"quillmere\" namespace=\"Varnholt.Policies.Quillmere\"/>\n"
      "  </policyNamespaces>\n"
      "  <resources minRequiredRevision=\"1.0\"/>\n"
      "  <supportedOn>\n"
      "    <definitions>\n";
  Append(out, "      <definition name=\"", kSupportedOn, "\" displayName=\"$(string.", kSupportedOn, ")\"/>\n");
  out += "    </definitions>\n  </supportedOn>\n  <categories>\n";
  Append(out, "    <category name=\"", kCategory, "\" displayName=\"$(string.", kCategory, ")\"/>\n");
  out += "  </categories>\n  <policies>\n";
  std::set<std::string> names;
  for (const auto& setting : settings) {
    const std::string name = PolicyName(setting.key);
    if (name.empty() || !names.insert(name).second)
      throw std::invalid_argument("no policy name of its own for the key \"" + std::string(setting.key) + "\"");
    // class Both: one definition under Computer and User Configuration, written to HKLM and HKCU.
    Append(out, "    <policy name=\"", name, "\" class=\"Both\" displayName=\"$(string.", name,
           ")\" explainText=\"$(string.", name, "_Explain)\" key=\"", EscapeXml(policyKey), "\" valueName=\"",
           EscapeXml(setting.key), "\">\n");
    Append(out, "      <parentCategory ref=\"", kCategory, "\"/>\n");
    Append(out, "      <supportedOn ref=\"", kSupportedOn, "\"/>\n");
    // DWORD 1 and 0: both deliverables read a DWORD as its decimal text, "1" and "0".
    out += "      <enabledValue><decimal value=\"1\"/></enabledValue>\n";
    out += "      <disabledValue><decimal value=\"0\"/></disabledValue>\n";
    out += "    </policy>\n";
  }
  out += "  </policies>\n</policyDefinitions>\n";
  return out;
}

std::string AdmlTemplate(std::span<const PolicyText> settings) {
  std::string out =
      "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
      "<policyDefinitionResources xmlns:xsd=\"http://www.w3.org/2001/XMLSchema\" "
      "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" revision=\"1.0\" schemaVersion=\"1.0\" "
      "xmlns=\"http://schemas.microsoft.com/GroupPolicy/2006/07/PolicyDefinitions\">\n"
      "  <displayName>Quillmere</displayName>\n"
      "  <description>Settings of the Classic tab in PowerPoint</description>\n"
      "  <resources>\n"
      "    <stringTable>\n";
  AppendString(out, kCategory, "Quillmere");
  AppendString(out, kSupportedOn, "PowerPoint 2007 or later with Quillmere installed");
  for (const auto& setting : settings) {
    const std::string name = PolicyName(setting.key);
    AppendString(out, name, setting.title);
    std::string explanation(setting.explanation);
    explanation += "\n\n";
    if (!setting.dependsOn.empty())
      Append(explanation, "This setting takes effect only while \"", setting.dependsOn,
             "\" is on. To enforce it whatever the user chooses, enable \"", setting.dependsOn,
             "\" here as well: with both enabled it holds even when the user switches the Classic tab off. "
             "Disabled, this setting is off whatever the user chooses.\n\n");
    explanation += kCommonExplanation;
    AppendString(out, name + "_Explain", explanation);
  }
  out += "    </stringTable>\n  </resources>\n</policyDefinitionResources>\n";
  return out;
}

}  // namespace quillmere
