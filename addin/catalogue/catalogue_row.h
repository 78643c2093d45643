#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "common/product_texts.h"

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
  std::string_view id = {};  // idMso of a built-in control, or the id of a row box or custom button
  std::string_view label = {};
  std::string_view imageMso = {};
  std::string_view screentip = {};
  std::string_view onAction = {};
  // The product's own texts of a submenu or custom button, for the translated document; label and
  // screentip above are their English.
  TextId labelText = TextId::None;
  TextId screentipText = TextId::None;
};

// A top-level menu of the classic menu bar.
struct ClassicMenu {
  std::string_view label;  // English
  std::span<const CatalogueRow> rows;
  TextId labelText;
};

constexpr ClassicMenu Menu(TextId label, std::span<const CatalogueRow> rows) {
  return {ConstantText(label, UiLanguage::English), rows, label};
}

// Row constructors, so that the tables read like the menus they describe.
constexpr CatalogueRow OpenRow(std::string_view boxId) { return {RowKind::OpenRow, boxId}; }
constexpr CatalogueRow CloseRow() { return {RowKind::CloseRow}; }
constexpr CatalogueRow OpenGroup() { return {RowKind::OpenGroup}; }
constexpr CatalogueRow CloseGroup() { return {RowKind::CloseGroup}; }
constexpr CatalogueRow ToolButton(std::string_view idMso, std::string_view screentip = {},
                                  std::string_view imageMso = {}) {
  return {RowKind::ToolButton, idMso, {}, imageMso, screentip};
}
constexpr CatalogueRow ComboBox(std::string_view idMso) { return {RowKind::ComboBox, idMso}; }
constexpr CatalogueRow Spacer(std::string_view blanks) { return {RowKind::Spacer, {}, blanks}; }
constexpr CatalogueRow OpenMenu(TextId label, std::string_view imageMso = {}, TextId screentip = TextId::None) {
  return {RowKind::OpenMenu,
          {},
          ConstantText(label, UiLanguage::English),
          imageMso,
          ConstantText(screentip, UiLanguage::English),
          {},
          label,
          screentip};
}
constexpr CatalogueRow CloseMenu() { return {RowKind::CloseMenu}; }
constexpr CatalogueRow Command(std::string_view idMso, std::string_view label = {}) {
  return {RowKind::Command, idMso, label};
}
constexpr CatalogueRow Gallery(std::string_view idMso, std::string_view label) {
  return {RowKind::Gallery, idMso, label};
}
constexpr CatalogueRow Separator() { return {RowKind::Separator}; }
constexpr CatalogueRow CustomButton(std::string_view id, TextId label, TextId screentip, std::string_view onAction) {
  return {RowKind::CustomButton,
          id,
          ConstantText(label, UiLanguage::English),
          {},
          ConstantText(screentip, UiLanguage::English),
          onAction,
          label,
          screentip};
}

// The nine menus of the classic menu bar, in bar order.
std::span<const ClassicMenu> MenuBar();
// The Standard toolbar row (box "boxNew2") and the Formatting row (box "boxNew3"), whole.
std::span<const CatalogueRow> StandardRow();
std::span<const CatalogueRow> FormattingRow();

}  // namespace quillmere::catalogue
