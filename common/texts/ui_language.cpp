#include "common/texts/ui_language.h"

#include <iterator>

namespace quillmere {
namespace {

// Windows' primary language ids and the sublanguages that pick a written form.
constexpr std::uint32_t kChinese = 0x04;
constexpr std::uint32_t kPortuguese = 0x16;
constexpr std::uint32_t kSublangPortugueseBrazil = 0x01;
constexpr std::uint32_t kSublangChineseTraditional = 0x01;  // Taiwan
constexpr std::uint32_t kSublangChineseHongKong = 0x03;
constexpr std::uint32_t kSublangChineseMacao = 0x05;
constexpr std::uint32_t kSublangChineseTraditionalNeutral = 0x1F;  // zh-Hant

struct PrimaryLanguage {
  std::uint32_t id;
  UiLanguage language;
};
constexpr PrimaryLanguage kByPrimary[] = {
    {0x07, UiLanguage::German},
    {0x0C, UiLanguage::French},
    {0x0A, UiLanguage::Spanish},
    {0x10, UiLanguage::Italian},
    {0x13, UiLanguage::Dutch},
    {0x11, UiLanguage::Japanese},
    {0x12, UiLanguage::Korean},
    {0x19, UiLanguage::Russian},
    {0x15, UiLanguage::Polish},
    {0x1D, UiLanguage::Swedish},
    {0x06, UiLanguage::Danish},
    {0x0B, UiLanguage::Finnish},
    {0x05, UiLanguage::Czech},
    {0x0E, UiLanguage::Hungarian},
    {0x1F, UiLanguage::Turkish},
    {0x08, UiLanguage::Greek},
    // Bokmål (0x0414) and Nynorsk (0x0814) share the primary id.
    {0x14, UiLanguage::NorwegianBokmal},
};

constexpr std::string_view kCultureNames[] = {
    "en-US", "de-DE", "fr-FR", "es-ES", "it-IT", "pt-BR", "pt-PT", "nl-NL", "ja-JP", "zh-CN", "zh-TW",
    "ko-KR", "ru-RU", "pl-PL", "sv-SE", "da-DK", "nb-NO", "fi-FI", "cs-CZ", "hu-HU", "tr-TR", "el-GR",
};
static_assert(std::size(kCultureNames) == kUiLanguageCount, "every language needs its culture name");

}  // namespace

UiLanguage LanguageOfLcid(std::uint32_t lcid) {
  const std::uint32_t primary = lcid & 0x3FF;
  const std::uint32_t sublanguage = (lcid >> 10) & 0x3F;
  if (primary == kChinese) {
    const bool traditional = sublanguage == kSublangChineseTraditional || sublanguage == kSublangChineseHongKong ||
                             sublanguage == kSublangChineseMacao || sublanguage == kSublangChineseTraditionalNeutral;
    return traditional ? UiLanguage::ChineseTraditional : UiLanguage::ChineseSimplified;
  }
  if (primary == kPortuguese) {
    return sublanguage == kSublangPortugueseBrazil ? UiLanguage::PortugueseBrazil : UiLanguage::PortuguesePortugal;
  }
  for (const PrimaryLanguage& entry : kByPrimary) {
    if (entry.id == primary) return entry.language;
  }
  return UiLanguage::English;
}

std::string_view CultureName(UiLanguage language) {
  const auto index = static_cast<std::size_t>(language);
  return index < std::size(kCultureNames) ? kCultureNames[index] : std::string_view{};
}

}  // namespace quillmere
