#include "addin/ribbon_assembler.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>

#include "addin/assembly_error.h"
#include "addin/catalogue_builders.h"
#include "addin/command_names.h"
#include "common/texts/product_texts.h"

namespace quillmere {
namespace {

std::string HostName(const HostApplication* host) {
  if (host == nullptr) {
    throw AssemblyError(AssemblyError::Reason::NoHost, "no host application is connected");
  }
  try {
    return host->Name();
  } catch (const HostError& error) {
    throw AssemblyError(AssemblyError::Reason::HostFailed,
                        std::string("the host application did not answer its Name: ") + error.what(), {}, {},
                        error.Status());
  }
}

// The setting's number as it applies, the add-in's way (whole numbers in 32 bits, tab settings as
// doubles); a value that is no number fails the document, naming the key.
double Number(const SettingsSnapshot& settings, const Setting& setting) {
  const AppliedValue& applied = settings.Applied(setting);
  const StoredValue& value = applied.value;
  const std::string key(setting.key);
  switch (value.state) {
    case StoredValue::State::Absent: return setting.defaultValue;
    case StoredValue::State::Number: return value.number;
    case StoredValue::State::NotANumber:
      throw AssemblyError(AssemblyError::Reason::NotANumber,
                          "setting \"" + key + "\" holds \"" + value.text + "\", which is not a number", key,
                          value.text);
    case StoredValue::State::Unreadable: break;
  }
  const std::string source = applied.policy.empty() ? "" : "policy \"" + key + "\" in " + applied.policy + ": ";
  throw AssemblyError(AssemblyError::Reason::StoreFailed,
                      "setting \"" + key + "\" cannot be read: " + source + value.text, key);
}

bool IsOn(const SettingsSnapshot& settings, const Setting& setting) { return IsOn(setting, Number(settings, setting)); }

// Whether every tab setting together clears the ribbon. Without a policy the add-in adds the
// tab settings up and compares the sum with their count, keeping the sum a whole number rounded
// after each addition (a tie to the even one); under a policy each tab counts as on or off, so
// that no value can make a tab the administrator keeps disappear.
bool StartsFromScratch(const SettingsSnapshot& settings) {
  if (settings.PolicyInForce()) {
    for (const Setting* tab : kTabSettings) {
      if (!IsOn(settings, *tab)) return false;
    }
    return true;
  }
  std::int32_t sum = 0;
  for (const Setting* tab : kTabSettings) {
    const double next = std::nearbyint(static_cast<double>(sum) + Number(settings, *tab));
    if (!(next >= std::numeric_limits<std::int32_t>::min() && next <= std::numeric_limits<std::int32_t>::max())) {
      throw AssemblyError(
          AssemblyError::Reason::Overflow,
          "the hidden-tab settings add up past the whole-number range at \"" + std::string(tab->key) + "\"",
          std::string(tab->key));
    }
    sum = static_cast<std::int32_t>(next);
  }
  return sum == kTabSettingCount;
}

}  // namespace

void RibbonAssembler::AppendHiddenTab(const Setting& tab) {
  emitters_.Append("<tab idMso=\"");
  emitters_.Append(tab.hiddenTab);
  emitters_.Append("\" visible=\"false\"/>");
}

void RibbonAssembler::AppendTabs(const SettingsSnapshot& settings) {
  if (!IsOn(settings, kHideTabs)) {
    emitters_.Append("<ribbon><tabs>");
    return;
  }
  if (StartsFromScratch(settings)) {
    emitters_.Append("<ribbon startFromScratch=\"true\"><tabs>");
    return;
  }
  emitters_.Append("<ribbon><tabs>");
  for (const Setting* tab : kTabSettings) {
    if (IsOn(settings, *tab)) AppendHiddenTab(*tab);
  }
}

RibbonDocument RibbonAssembler::GetRibbonXML(const HostApplication* host, const SettingsSnapshot& settings) {
  emitters_.ResetCounters();

  if (HostName(host).find("PowerPoint") == std::string::npos) return {};

  const bool classic = IsOn(settings, kClassic);
  if (!classic && !settings.PolicyHidesAnyTab()) return {};

  const auto openDocument = [this] {
    emitters_.ClearBuffer();
    emitters_.Append("<customUI xmlns=\"");
    emitters_.Append(kCustomUiNamespace);
    emitters_.Append("\" >");
  };

  if (!classic) {
    // Without the Classic tab, the tabs the administrator hides stay hidden.
    openDocument();
    emitters_.Append("<ribbon><tabs>");
    for (const Setting* tab : kTabSettings) {
      if (settings.PolicyHides(*tab)) AppendHiddenTab(*tab);
    }
    emitters_.Append("</tabs></ribbon></customUI>");
    return {emitters_.MarkupBuffer()};
  }

  const std::optional<std::string> version = host->Version();
  const CommandNames names = CommandNames::ForHostVersion(version);
  const std::optional<std::uint32_t> languageId = host->UiLanguageId();
  const UiLanguage language = languageId ? LanguageOfLcid(*languageId) : UiLanguage::English;

  openDocument();
  AppendTabs(settings);

  emitters_.Append("<tab id=\"Menus\" label=\"");
  emitters_.Append(Text(TextId::TabClassic, language));
  emitters_.Append(IsOn(settings, kLeft) ? "\" insertBeforeMso=\"TabHome\">" : "\">");
  emitters_.Append("<group id=\"ToolsPanel\" label=\"");
  emitters_.Append(Text(TextId::GroupToolsPanel, language));
  emitters_.Append("\"><box id=\"boxNew1\" boxStyle=\"horizontal\">");

  if (IsOn(settings, kAll)) {
    emitters_.OpenMenu(Text(TextId::MenuAll, language), "", "");
    BuildMenus(emitters_, 2, names, language);
    emitters_.CloseMenu(true);
    emitters_.AddSpacer("  ");
  }
  BuildMenus(emitters_, 1, names, language);
  emitters_.Append("</box>");

  BuildStandardRows(emitters_, names, language);
  BuildFormattingRows(emitters_, names, language);

  emitters_.Append("</group ></tab></tabs></ribbon></customUI>");
  return {emitters_.MarkupBuffer(), language};
}

}  // namespace quillmere
