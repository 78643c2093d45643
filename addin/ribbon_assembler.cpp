#include "addin/ribbon_assembler.h"

#include <array>
#include <cmath>
#include <limits>
#include <optional>
#include <string>

#include "addin/assembly_error.h"
#include "addin/catalogue_builders.h"
#include "addin/command_names.h"
#include "common/setting_conversion.h"

namespace quillmere {
namespace {

// The built-in tabs that may be hidden: the setting key of each and the tab it hides.
struct BuiltInTab {
  std::string_view key;
  std::string_view idMso;
};
constexpr std::array<BuiltInTab, 9> kBuiltInTabs = {{
    {"Home", "TabHome"},
    {"Insert", "TabInsert"},
    {"Design", "TabDesign"},
    {"Animations", "TabAnimations"},
    {"Slide Show", "TabSlideShow"},
    {"Review", "TabReview"},
    {"View", "TabView"},
    {"Developer", "TabDeveloper"},
    {"Format", "TabSlideMasterHome"},
}};

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

}  // namespace

std::int32_t RibbonAssembler::ReadWholeNumber(const SettingsStore& settings, std::string_view key, int defaultValue) {
  std::string text = StoredText(settings, key, defaultValue);
  auto value = ToInt32(text);
  if (!value) ThrowNotANumber(key, text);
  return *value;
}

double RibbonAssembler::ReadDouble(const SettingsStore& settings, std::string_view key) {
  std::string text = StoredText(settings, key, 0);
  auto value = ToDouble(text);
  if (!value) ThrowNotANumber(key, text);
  return *value;
}

void RibbonAssembler::AppendTabs(const SettingsStore& settings) {
  SettingValue = ReadWholeNumber(settings, "Hide built-in Tabs", 0);
  if (SettingValue != 1) {
    emitters_.Append("<ribbon><tabs>");
    return;
  }

  // The sum is kept as a whole number, rounded after each addition (a tie to the even one).
  std::int32_t sum = 0;
  for (const BuiltInTab& tab : kBuiltInTabs) {
    double next = std::nearbyint(static_cast<double>(sum) + ReadDouble(settings, tab.key));
    if (!(next >= std::numeric_limits<std::int32_t>::min() && next <= std::numeric_limits<std::int32_t>::max())) {
      throw AssemblyError(
          AssemblyError::Reason::Overflow,
          "the hidden-tab settings add up past the whole-number range at \"" + std::string(tab.key) + "\"",
          std::string(tab.key));
    }
    sum = static_cast<std::int32_t>(next);
  }

  if (sum == static_cast<std::int32_t>(kBuiltInTabs.size())) {
    emitters_.Append("<ribbon startFromScratch=\"true\"><tabs>");
    return;
  }
  emitters_.Append("<ribbon><tabs>");
  for (const BuiltInTab& tab : kBuiltInTabs) {
    if (ReadDouble(settings, tab.key) != 1.0) continue;
    emitters_.Append("<tab idMso=\"");
    emitters_.Append(tab.idMso);
    emitters_.Append("\" visible=\"false\"/>");
  }
}

std::string_view RibbonAssembler::GetRibbonXML(const HostApplication* host, const SettingsStore& settings) {
  emitters_.ResetCounters();

  if (HostName(host).find("PowerPoint") == std::string::npos) return {};

  SettingValue = ReadWholeNumber(settings, "Classic", 1);
  if (SettingValue == 0) return {};

  const std::optional<std::string> version = host->Version();
  const CommandNames names = CommandNames::ForHostVersion(version);

  emitters_.ClearBuffer();
  emitters_.Append("<customUI xmlns=\"");
  emitters_.Append(kCustomUiNamespace);
  emitters_.Append("\" >");

  AppendTabs(settings);

  SettingValue = ReadWholeNumber(settings, "Left", 1);
  emitters_.Append(SettingValue == 1 ? "<tab id=\"Menus\" label=\"Classic\" insertBeforeMso=\"TabHome\">"
                                     : "<tab id=\"Menus\" label=\"Classic\">");
  emitters_.Append("<group id=\"ToolsPanel\" label=\"Tools panel\"><box id=\"boxNew1\" boxStyle=\"horizontal\">");

  SettingValue = ReadWholeNumber(settings, "All", 1);
  if (SettingValue == 1) {
    emitters_.OpenMenu("All", "", "");
    BuildMenus(emitters_, 2, names);
    emitters_.CloseMenu(true);
    emitters_.AddSpacer("  ");
  }
  BuildMenus(emitters_, 1, names);
  emitters_.Append("</box>");

  BuildStandardRows(emitters_, names);
  BuildFormattingRows(emitters_, names);

  emitters_.Append("</group ></tab></tabs></ribbon></customUI>");
  return emitters_.MarkupBuffer();
}

}  // namespace quillmere
