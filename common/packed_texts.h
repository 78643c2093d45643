#pragma once

// A text table packed for run time: all its texts in one block of characters, found by 16-bit
// offsets. The table itself (a pointer and a length per text) is for the compiler only.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "common/product_texts.h"

namespace quillmere {

template <std::size_t Characters, std::size_t Texts>
struct PackedTexts {
  std::array<char, Characters> characters{};
  std::array<std::uint16_t, Texts + 1> starts{};  // text i is [starts[i], starts[i + 1])

  constexpr std::string_view At(std::size_t text) const {
    return {characters.data() + starts[text], static_cast<std::size_t>(starts[text + 1] - starts[text])};
  }
};

template <typename Id, std::size_t Rows>
constexpr std::size_t CharactersOf(const TextRow<Id> (&table)[Rows]) {
  std::size_t characters = 0;
  for (const TextRow<Id>& row : table) {
    for (std::string_view text : row.text) characters += text.size();
  }
  return characters;
}

template <std::size_t Characters, typename Id, std::size_t Rows>
constexpr PackedTexts<Characters, Rows * kUiLanguageCount> Pack(const TextRow<Id> (&table)[Rows]) {
  static_assert(Characters <= 0xFFFF, "the offsets are 16 bits");
  PackedTexts<Characters, Rows * kUiLanguageCount> packed;
  std::size_t at = 0;
  std::size_t index = 0;
  for (const TextRow<Id>& row : table) {
    for (std::string_view text : row.text) {
      packed.starts[index++] = static_cast<std::uint16_t>(at);
      for (char c : text) packed.characters[at++] = c;
    }
  }
  packed.starts[index] = static_cast<std::uint16_t>(at);
  return packed;
}

// The text of a packed table, or empty text for an id past its end.
template <std::size_t Characters, std::size_t Texts, typename Id>
std::string_view PackedText(const PackedTexts<Characters, Texts>& packed, Id id, UiLanguage language) {
  const auto row = static_cast<std::size_t>(id);
  if (row >= Texts / kUiLanguageCount) return {};
  return packed.At(row * kUiLanguageCount + static_cast<std::size_t>(language));
}

}  // namespace quillmere
