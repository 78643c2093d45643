#include "installer/policy_templates.h"

#include <set>
#include <stdexcept>

#include "common/texts/policy_texts.h"
#include "common/texts/product_texts.h"
#include "installer/xml_text.h"

namespace quillmere {
namespace {

constexpr std::string_view kCategory = "Quillmere";
constexpr std::string_view kSupportedOn = "SUPPORTED_PowerPoint2007";

// A text of the table with its "{}" replaced.
std::string Filled(PolicyTextId id, UiLanguage language, std::string_view value) {
  std::string text(Text(id, language));
  for (auto slot = text.find("{}"); slot != std::string::npos; slot = text.find("{}", slot + value.size()))
    text.replace(slot, 2, value);
  return text;
}

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
    // ASCII by hand: the C library's classes follow the user's locale ("i" has no "I" in Turkish).
    const bool lower = c >= 'a' && c <= 'z';
    if (!lower && !(c >= 'A' && c <= 'Z') && !(c >= '0' && c <= '9')) {
      wordStart = true;
      continue;
    }
    name += wordStart && lower ? static_cast<char>(c - 'a' + 'A') : c;
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

std::string AdmlTemplate(std::span<const PolicyText> settings, UiLanguage language) {
  std::string out =
      "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
      "<policyDefinitionResources xmlns:xsd=\"http://www.w3.org/2001/XMLSchema\" "
      "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" revision=\"1.0\" schemaVersion=\"1.0\" "
      "xmlns=\"http://schemas.microsoft.com/GroupPolicy/2006/07/PolicyDefinitions\">\n"
      "  <displayName>Quillmere</displayName>\n";
  Append(out, "  <description>", EscapeXml(Text(PolicyTextId::Description, language)), "</description>\n");
  out += "  <resources>\n    <stringTable>\n";
  AppendString(out, kCategory, "Quillmere");
  AppendString(out, kSupportedOn, Text(PolicyTextId::SupportedOn, language));
  // Said of every setting; kept apart so that each setting's own text says only what it does.
  const std::string common = Filled(PolicyTextId::CommonExplanation, language, Text(TextId::PanelLocked, language));
  for (const auto& setting : settings) {
    const std::string name = PolicyName(setting.key);
    AppendString(out, name, setting.title);
    std::string explanation(setting.explanation);
    explanation += "\n\n";
    if (!setting.dependsOn.empty())
      Append(explanation, Filled(PolicyTextId::DependsOn, language, setting.dependsOn), "\n\n");
    explanation += common;
    AppendString(out, name + "_Explain", explanation);
  }
  out += "    </stringTable>\n  </resources>\n</policyDefinitionResources>\n";
  return out;
}

}  // namespace quillmere
