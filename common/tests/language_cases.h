#pragma once

// Windows language ids and the language each one gets: every language's own id, the regions that
// decide a written form, and ids that get English. Shared by the tests that need a language id.

#include <cstdint>
#include <ostream>

#include "common/texts/ui_language.h"

namespace quillmere::testing_support {

struct LanguageCase {
  const char* name;
  std::uint32_t lcid;
  UiLanguage language;
  friend void PrintTo(const LanguageCase& c, std::ostream* os) { *os << c.name; }
};

inline constexpr LanguageCase kLanguageCases[] = {
    {"German", 0x0407, UiLanguage::German},
    {"GermanSwitzerland", 0x0807, UiLanguage::German},
    {"French", 0x040C, UiLanguage::French},
    {"FrenchCanada", 0x0C0C, UiLanguage::French},
    {"Spanish", 0x0C0A, UiLanguage::Spanish},
    {"SpanishMexico", 0x080A, UiLanguage::Spanish},
    {"Italian", 0x0410, UiLanguage::Italian},
    {"PortugueseBrazil", 0x0416, UiLanguage::PortugueseBrazil},
    {"PortuguesePortugal", 0x0816, UiLanguage::PortuguesePortugal},
    {"Dutch", 0x0413, UiLanguage::Dutch},
    {"Japanese", 0x0411, UiLanguage::Japanese},
    {"ChinesePrc", 0x0804, UiLanguage::ChineseSimplified},
    {"ChineseSingapore", 0x1004, UiLanguage::ChineseSimplified},
    {"ChineseHans", 0x0004, UiLanguage::ChineseSimplified},
    {"ChinesePrcStrokeSort", 0x00020804, UiLanguage::ChineseSimplified},
    {"ChineseTaiwan", 0x0404, UiLanguage::ChineseTraditional},
    {"ChineseHongKong", 0x0C04, UiLanguage::ChineseTraditional},
    {"ChineseMacao", 0x1404, UiLanguage::ChineseTraditional},
    {"ChineseHant", 0x7C04, UiLanguage::ChineseTraditional},
    {"Korean", 0x0412, UiLanguage::Korean},
    {"Russian", 0x0419, UiLanguage::Russian},
    {"Polish", 0x0415, UiLanguage::Polish},
    {"Swedish", 0x041D, UiLanguage::Swedish},
    {"SwedishFinland", 0x081D, UiLanguage::Swedish},
    {"Danish", 0x0406, UiLanguage::Danish},
    {"NorwegianBokmal", 0x0414, UiLanguage::NorwegianBokmal},
    {"NorwegianNynorsk", 0x0814, UiLanguage::NorwegianBokmal},
    {"Finnish", 0x040B, UiLanguage::Finnish},
    {"Czech", 0x0405, UiLanguage::Czech},
    {"Hungarian", 0x040E, UiLanguage::Hungarian},
    {"Turkish", 0x041F, UiLanguage::Turkish},
    {"Greek", 0x0408, UiLanguage::Greek},
    {"EnglishUs", 0x0409, UiLanguage::English},
    {"EnglishUk", 0x0809, UiLanguage::English},
    {"Icelandic", 0x040F, UiLanguage::English},
    {"Arabic", 0x0401, UiLanguage::English},
    {"Nothing", 0, UiLanguage::English},
};

}  // namespace quillmere::testing_support
