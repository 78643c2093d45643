#pragma once

// How a text table is written and packed for run time. Only the files that hold a table include
// this; everything else asks for a text by its id (product_texts.h, policy_texts.h).

#include <array>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string_view>
#include <type_traits>

#include "common/texts/ui_language.h"

namespace quillmere::texts {

// One text in every language, each under its language's tag (.de = "Datei"), in the order of
// UiLanguage. A language left out stays empty, and the table's check refuses it.
struct Translations {
  std::string_view en, de, fr, es, it, pt_br, pt_pt, nl, ja, zh_cn, zh_tw, ko, ru, pl, sv, da, nb, fi, cs, hu, tr, el;
};

// Each language's member, by UiLanguage.
inline constexpr std::string_view Translations::*kColumns[] = {
    &Translations::en,    &Translations::de,    &Translations::fr, &Translations::es, &Translations::it,
    &Translations::pt_br, &Translations::pt_pt, &Translations::nl, &Translations::ja, &Translations::zh_cn,
    &Translations::zh_tw, &Translations::ko,    &Translations::ru, &Translations::pl, &Translations::sv,
    &Translations::da,    &Translations::nb,    &Translations::fi, &Translations::cs, &Translations::hu,
    &Translations::tr,    &Translations::el,
};
static_assert(std::size(kColumns) == kUiLanguageCount, "every language needs its column");
static_assert(sizeof(Translations) == kUiLanguageCount * sizeof(std::string_view), "every column needs its language");

template <typename Id>
struct TextRow {
  Id id;
  Translations text;
};

// The index of the first row that stands out of id order or lacks a translation; the number of
// rows when there is none.
template <typename Id, std::size_t Rows>
constexpr std::size_t FirstIncompleteRow(const TextRow<Id> (&table)[Rows]) {
  for (std::size_t row = 0; row < Rows; ++row) {
    if (table[row].id != static_cast<Id>(row)) return row;
    for (auto column : kColumns) {
      if ((table[row].text.*column).empty()) return row;
    }
  }
  return Rows;
}

// A table's texts in one block of characters, found by offsets: a pointer and a length per text
// would cost more than the texts of most rows.
template <std::size_t Characters, std::size_t Texts>
struct PackedTexts {
  using Offset = std::conditional_t<(Characters <= 0xFFFF), std::uint16_t, std::uint32_t>;
  std::array<char, Characters> characters{};
  std::array<Offset, Texts + 1> starts{};  // text i is [starts[i], starts[i + 1])

  constexpr std::string_view At(std::size_t text) const {
    return {characters.data() + starts[text], static_cast<std::size_t>(starts[text + 1] - starts[text])};
  }
};

template <typename Id, std::size_t Rows>
constexpr std::size_t CharactersOf(const TextRow<Id> (&table)[Rows]) {
  std::size_t characters = 0;
  for (const TextRow<Id>& row : table) {
    for (auto column : kColumns) characters += (row.text.*column).size();
  }
  return characters;
}

// The table packed row by row, each row's languages in UiLanguage order. Every id needs its row,
// in id order, with every language filled in: Text() indexes the packed table by id. Anything
// else does not compile.
template <std::size_t Characters, std::size_t Ids, typename Id, std::size_t Rows>
constexpr PackedTexts<Characters, Rows * kUiLanguageCount> Pack(const TextRow<Id> (&table)[Rows]) {
  static_assert(Rows == Ids, "every text id needs its row");
  if (FirstIncompleteRow(table) != Rows) throw "a text is out of id order, or lacks a translation";
  using Packed = PackedTexts<Characters, Rows * kUiLanguageCount>;
  Packed packed;
  std::size_t at = 0;
  std::size_t index = 0;
  for (const TextRow<Id>& row : table) {
    for (auto column : kColumns) {
      packed.starts[index++] = static_cast<typename Packed::Offset>(at);
      for (char c : row.text.*column) packed.characters[at++] = c;
    }
  }
  packed.starts[index] = static_cast<typename Packed::Offset>(at);
  return packed;
}

// The text of a packed table, or empty text for an id past its end or a value that is no language.
template <std::size_t Characters, std::size_t Texts, typename Id>
std::string_view PackedText(const PackedTexts<Characters, Texts>& packed, Id id, UiLanguage language) {
  const auto row = static_cast<std::size_t>(id);
  const auto column = static_cast<std::size_t>(language);
  if (row >= Texts / kUiLanguageCount || column >= kUiLanguageCount) return {};
  return packed.At(row * kUiLanguageCount + column);
}

}  // namespace quillmere::texts
