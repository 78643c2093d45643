#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "common/texts/text_ids.h"

namespace quillmere::catalogue {

// One row of the Classic tab's fixed content; each row becomes exactly one emitter call.
enum class RowKind : std::uint8_t {
  OpenRow,    // <box id="{id}" boxStyle="horizontal">
  CloseRow,   // </box>
  OpenGroup,  // a buttonGroup with the next group id
  CloseGroup,
  ToolButton,    // icon-only control: idMso, screentip, imageMso
  ComboBox,      // idMso
  Spacer,        // disabled blank button: label of one or two blanks
  OpenMenu,      // a submenu, or an icon-only menu of a toolbar row: label, imageMso, screentip
  CloseMenu,     // closes what OpenMenu opened, never followed by a spacer
  Command,       // menu entry: idMso, label
  Gallery,       // menu entry shown as a gallery: idMso, label
  Separator,     // menuSeparator with the next separator id
  CustomButton,  // the add-in's own button: id (after the pass prefix), label, screentip, onAction
};

struct CatalogueRow {
  RowKind kind;
  // The product's own texts of a submenu or custom button, in every language.
  TextId labelText = TextId::None;
  TextId screentipText = TextId::None;
  std::string_view id = {};  // idMso of a built-in control, or the id of a row box or custom button
  // A built-in command's English label and tip, written in the English document only: in any
  // other language the host names its commands itself. A spacer's label is its blanks.
  std::string_view label = {};
  std::string_view imageMso = {};
  std::string_view screentip = {};
  std::string_view onAction = {};
};

// A top-level menu of the classic menu bar.
struct ClassicMenu {
  TextId label;
  std::span<const CatalogueRow> rows;
};

constexpr ClassicMenu Menu(TextId label, std::span<const CatalogueRow> rows) { return {label, rows}; }

// Row constructors, so that the tables read like the menus they describe.
constexpr CatalogueRow OpenRow(std::string_view boxId) { return {.kind = RowKind::OpenRow, .id = boxId}; }
constexpr CatalogueRow CloseRow() { return {.kind = RowKind::CloseRow}; }
constexpr CatalogueRow OpenGroup() { return {.kind = RowKind::OpenGroup}; }
constexpr CatalogueRow CloseGroup() { return {.kind = RowKind::CloseGroup}; }
constexpr CatalogueRow ToolButton(std::string_view idMso, std::string_view screentip = {},
                                  std::string_view imageMso = {}) {
  return {.kind = RowKind::ToolButton, .id = idMso, .imageMso = imageMso, .screentip = screentip};
}
constexpr CatalogueRow ComboBox(std::string_view idMso) { return {.kind = RowKind::ComboBox, .id = idMso}; }
constexpr CatalogueRow Spacer(std::string_view blanks) { return {.kind = RowKind::Spacer, .label = blanks}; }
constexpr CatalogueRow OpenMenu(TextId label, std::string_view imageMso = {}, TextId screentip = TextId::None) {
  return {.kind = RowKind::OpenMenu, .labelText = label, .screentipText = screentip, .imageMso = imageMso};
}
constexpr CatalogueRow CloseMenu() { return {.kind = RowKind::CloseMenu}; }
constexpr CatalogueRow Command(std::string_view idMso, std::string_view label = {}) {
  return {.kind = RowKind::Command, .id = idMso, .label = label};
}
constexpr CatalogueRow Gallery(std::string_view idMso, std::string_view label) {
  return {.kind = RowKind::Gallery, .id = idMso, .label = label};
}
constexpr CatalogueRow Separator() { return {.kind = RowKind::Separator}; }
constexpr CatalogueRow CustomButton(std::string_view id, TextId label, TextId screentip, std::string_view onAction) {
  return {
      .kind = RowKind::CustomButton, .labelText = label, .screentipText = screentip, .id = id, .onAction = onAction};
}

// The nine menus of the classic menu bar, in bar order.
std::span<const ClassicMenu> MenuBar();
// The Standard toolbar row (box "boxNew2") and the Formatting row (box "boxNew3"), whole.
std::span<const CatalogueRow> StandardRow();
std::span<const CatalogueRow> FormattingRow();

}  // namespace quillmere::catalogue
