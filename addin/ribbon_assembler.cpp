#include "addin/ribbon_assembler.h"

#include <cmath>
#include <limits>
#include <optional>
#include <string>

#include "addin/assembly_error.h"
#include "addin/catalogue_builders.h"
#include "addin/command_names.h"

namespace quillmere {
namespace {

std::string StoredText(const SettingsStore& settings, std::string_view key, int defaultValue) {
  try {
    return GetSetting(settings, key, defaultValue);
  } catch (const SettingsStoreError& error) {
    throw AssemblyError(AssemblyError::Reason::StoreFailed,
                        "setting \"" + std::string(key) + "\" cannot be read: " + error.what(), std::string(key));
  }
}

[[noreturn]] void ThrowNotANumber(std::string_view key, const std::string& text) {
  throw AssemblyError(AssemblyError::Reason::NotANumber,
                      "setting \"" + std::string(key) + "\" holds \"" + text + "\", which is not a number",
                      std::string(key), text);
}

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

// The setting's number, read the add-in's way (whole numbers in 32 bits, tab settings as doubles).
double ReadNumber(const SettingsStore& settings, const Setting& setting) {
  std::string text = StoredText(settings, setting.key, setting.defaultValue);
  auto value = StoredNumber(setting, text, ReaderWidth::AddIn);
  if (!value) ThrowNotANumber(setting.key, text);
  return *value;
}

bool ReadIsOn(const SettingsStore& settings, const Setting& setting) {
  return IsOn(setting, ReadNumber(settings, setting));
}

}  // namespace

void RibbonAssembler::AppendHiddenTab(const Setting& tab) {
  emitters_.Append("<tab idMso=\"");
  emitters_.Append(tab.hiddenTab);
  emitters_.Append("\" visible=\"false\"/>");
}

void RibbonAssembler::AppendTabs(const SettingsStore& settings, bool enforcing) {
  if (!ReadIsOn(settings, SettingOf(kHideTabsKey))) {
    emitters_.Append("<ribbon><tabs>");
    return;
  }

  bool startFromScratch = true;
  if (enforcing) {
    // Counted, not added up: no value can make a tab the administrator keeps disappear.
    for (const Setting& tab : kSettings) {
      if (!tab.hiddenTab.empty() && !ReadIsOn(settings, tab)) startFromScratch = false;
    }
  } else {
    // The sum is kept as a whole number, rounded after each addition (a tie to the even one).
    std::int32_t sum = 0;
    for (const Setting& tab : kSettings) {
      if (tab.hiddenTab.empty()) continue;
      double next = std::nearbyint(static_cast<double>(sum) + ReadNumber(settings, tab));
      if (!(next >= std::numeric_limits<std::int32_t>::min() && next <= std::numeric_limits<std::int32_t>::max())) {
        throw AssemblyError(
            AssemblyError::Reason::Overflow,
            "the hidden-tab settings add up past the whole-number range at \"" + std::string(tab.key) + "\"",
            std::string(tab.key));
      }
      sum = static_cast<std::int32_t>(next);
    }
    startFromScratch = sum == kHidableTabCount;
  }

  if (startFromScratch) {
    emitters_.Append("<ribbon startFromScratch=\"true\"><tabs>");
    return;
  }
  emitters_.Append("<ribbon><tabs>");
  for (const Setting& tab : kSettings) {
    if (tab.hiddenTab.empty() || !ReadIsOn(settings, tab)) continue;
    AppendHiddenTab(tab);
  }
}

std::string_view RibbonAssembler::GetRibbonXML(const HostApplication* host, const SettingsStore& settings) {
  return Assemble(host, settings, nullptr);
}

std::string_view RibbonAssembler::GetRibbonXML(const HostApplication* host, const LayeredSettings& settings) {
  return Assemble(host, settings, settings.PolicyInForce() ? &settings : nullptr);
}

std::string_view RibbonAssembler::Assemble(const HostApplication* host, const SettingsStore& settings,
                                           const LayeredSettings* enforcing) {
  emitters_.ResetCounters();

  if (HostName(host).find("PowerPoint") == std::string::npos) return {};

  const bool classic = ReadIsOn(settings, SettingOf(kClassicKey));
  const bool policyHides = !classic && enforcing != nullptr && enforcing->PolicyHidesAnyTab();
  if (!classic && !policyHides) return {};

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
    for (const Setting& tab : kSettings) {
      if (enforcing->PolicyHides(tab)) AppendHiddenTab(tab);
    }
    emitters_.Append("</tabs></ribbon></customUI>");
    return emitters_.MarkupBuffer();
  }

  const std::optional<std::string> version = host->Version();
  const CommandNames names = CommandNames::ForHostVersion(version);
  const std::optional<std::uint32_t> languageId = host->UiLanguageId();
  language_ = languageId ? LanguageOfLcid(*languageId) : UiLanguage::English;

  openDocument();
  AppendTabs(settings, enforcing != nullptr);

  emitters_.Append("<tab id=\"Menus\" label=\"");
  emitters_.Append(Text(TextId::TabClassic, language_));
  emitters_.Append(ReadIsOn(settings, SettingOf(kLeftKey)) ? "\" insertBeforeMso=\"TabHome\">" : "\">");
  emitters_.Append("<group id=\"ToolsPanel\" label=\"");
  emitters_.Append(Text(TextId::GroupToolsPanel, language_));
  emitters_.Append("\"><box id=\"boxNew1\" boxStyle=\"horizontal\">");

  if (ReadIsOn(settings, SettingOf(kAllKey))) {
    emitters_.OpenMenu(Text(TextId::MenuAll, language_), "", "");
    BuildMenus(emitters_, 2, names, language_);
    emitters_.CloseMenu(true);
    emitters_.AddSpacer("  ");
  }
  BuildMenus(emitters_, 1, names, language_);
  emitters_.Append("</box>");

  BuildStandardRows(emitters_, names, language_);
  BuildFormattingRows(emitters_, names, language_);

  emitters_.Append("</group ></tab></tabs></ribbon></customUI>");
  return emitters_.MarkupBuffer();
}

}  // namespace quillmere
