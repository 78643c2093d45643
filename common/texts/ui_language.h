#pragma once

// The languages the product speaks, and which one a Windows language id gets.

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace quillmere {

// The languages of the text tables' columns, in column order. English is the product's own text
// and what every language without a column gets.
enum class UiLanguage : std::uint8_t {
  English,
  German,
  French,
  Spanish,
  Italian,
  PortugueseBrazil,
  PortuguesePortugal,
  Dutch,
  Japanese,
  ChineseSimplified,
  ChineseTraditional,
  Korean,
  Russian,
  Polish,
  Swedish,
  Danish,
  NorwegianBokmal,
  Finnish,
  Czech,
  Hungarian,
  Turkish,
  Greek,
};
inline constexpr std::size_t kUiLanguageCount = 22;

// The language for a Windows language id (a LANGID, or an LCID: sort bits are ignored). Matched
// on the primary language, except that the region decides the written form of Chinese (PRC,
// Singapore and the neutral Simplified id: Simplified; Taiwan, Hong Kong, Macao and the neutral
// Traditional id: Traditional) and of Portuguese (Brazil; every other region: Portugal's).
// Norwegian is Bokmål for Nynorsk users too. Anything else, 0 included, is English.
UiLanguage LanguageOfLcid(std::uint32_t lcid);

// The language's culture name, as Windows names its resource folders ("de-DE", "zh-CN"); empty
// for a value that is no language.
std::string_view CultureName(UiLanguage language);

// Whether the language's script is one the designed Arial lacks, so that its texts take the
// system's user-interface font at the designed size.
constexpr bool NeedsSystemUiFont(UiLanguage language) {
  return language == UiLanguage::Japanese || language == UiLanguage::ChineseSimplified ||
         language == UiLanguage::ChineseTraditional || language == UiLanguage::Korean;
}

}  // namespace quillmere
