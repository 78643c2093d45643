#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "addin/catalogue/catalogue_row.h"
#include "addin/markup_emitters.h"

namespace quillmere {

// Writes catalogue rows through the emitters, one emitter call per row. Custom buttons take the
// id prefix in front of their id.
void WriteRows(MarkupEmitters& out, std::span<const catalogue::CatalogueRow> rows, std::string_view idPrefix);

// The nine classic menus. Pass 1 is the menu bar, with a narrow spacer after each menu but the
// last; any other pass is the copy inside "All": no spacers, custom button ids prefixed "All".
void BuildMenus(MarkupEmitters& out, std::int16_t pass);

// Rows two and three of the Classic tab, each with its own box tags.
void BuildStandardRows(MarkupEmitters& out);
void BuildFormattingRows(MarkupEmitters& out);

}  // namespace quillmere
