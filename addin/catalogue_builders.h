#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "addin/catalogue/catalogue_row.h"
#include "addin/command_names.h"
#include "addin/markup_emitters.h"
#include "common/texts/ui_language.h"

namespace quillmere {

// Writes catalogue rows through the emitters, one emitter call per row, built-in commands under
// the names the host knows. Custom buttons take the id prefix in front of their id. An entry the
// host does not have is left out, and so is a separator that would then begin or end its menu
// or follow another; a left-out separator still takes its number, so later ids stay the same.
// In any language but English the product's own elements carry that language's texts, and the
// host's commands carry no label or tip, so that the host names them in its own language.
void WriteRows(MarkupEmitters& out, std::span<const catalogue::CatalogueRow> rows, std::string_view idPrefix,
               const CommandNames& names, UiLanguage language = UiLanguage::English);

// The nine classic menus. Pass 1 is the menu bar, with a narrow spacer after each menu but the
// last; any other pass is the copy inside "All": no spacers, custom button ids prefixed "All".
void BuildMenus(MarkupEmitters& out, std::int16_t pass, const CommandNames& names,
                UiLanguage language = UiLanguage::English);

// Rows two and three of the Classic tab, each with its own box tags.
void BuildStandardRows(MarkupEmitters& out, const CommandNames& names, UiLanguage language = UiLanguage::English);
void BuildFormattingRows(MarkupEmitters& out, const CommandNames& names, UiLanguage language = UiLanguage::English);

}  // namespace quillmere
