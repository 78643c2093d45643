#include "addin/catalogue_builders.h"

#include <array>

#include "common/texts/product_texts.h"

namespace quillmere {

using catalogue::CatalogueRow;
using catalogue::RowKind;

namespace {

// The add-in's own buttons are written as they stand, outside the id counters.
void AppendCustomButton(MarkupEmitters& out, const CatalogueRow& row, std::string_view idPrefix, std::string_view label,
                        std::string_view screentip) {
  out.Append("<button id=\"");
  out.Append(idPrefix);
  out.Append(row.id);
  out.Append("\"");
  for (auto [name, value] : {std::pair{" label=\"", label}, std::pair{" screentip=\"", screentip},
                             std::pair{" onAction=\"", row.onAction}}) {
    if (value.empty()) continue;
    out.Append(name);
    out.Append(value);
    out.Append("\"");
  }
  out.Append("/>");
}

// A product text in the document's language; a built-in command's English text only in the
// English document.
std::string_view TextOf(TextId product, std::string_view command, UiLanguage language) {
  if (product != TextId::None) return Text(product, language);
  return language == UiLanguage::English ? command : std::string_view{};
}

bool NamesACommand(RowKind kind) {
  return kind == RowKind::ToolButton || kind == RowKind::ComboBox || kind == RowKind::Command ||
         kind == RowKind::Gallery;
}

bool LeftOut(const CatalogueRow& row, const CommandNames& names) {
  return NamesACommand(row.kind) && !names.For(row.id);
}

// Whether something shows after rows[from] before the menu's next separator or its end. A
// submenu counts as shown.
bool EntryFollows(std::span<const CatalogueRow> rows, std::size_t from, const CommandNames& names) {
  for (std::size_t i = from; i < rows.size(); ++i) {
    if (rows[i].kind == RowKind::Separator || rows[i].kind == RowKind::CloseMenu) return false;
    if (!LeftOut(rows[i], names)) return true;
  }
  return false;
}

}  // namespace

void WriteRows(MarkupEmitters& out, std::span<const CatalogueRow> rows, std::string_view idPrefix,
               const CommandNames& names, UiLanguage language) {
  // Per open menu level: whether an entry shows since the level began or since its last separator.
  std::array<bool, 4> entryBefore{};
  std::size_t depth = 0;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const CatalogueRow& row = rows[i];
    std::string_view id = row.id;
    const std::string_view label = TextOf(row.labelText, row.label, language);
    const std::string_view screentip = TextOf(row.screentipText, row.screentip, language);
    if (NamesACommand(row.kind)) {
      const auto known = names.For(row.id);
      if (!known) continue;
      id = *known;
    }
    switch (row.kind) {
      case RowKind::OpenRow:
        out.Append("<box id=\"");
        out.Append(id);
        out.Append("\" boxStyle=\"horizontal\">");
        break;
      case RowKind::CloseRow: out.Append("</box>"); break;
      case RowKind::OpenGroup: out.OpenButtonGroup(); break;
      case RowKind::CloseGroup: out.CloseButtonGroup(); break;
      case RowKind::ToolButton: out.AddToolButton(id, screentip, row.imageMso, row.onAction); break;
      case RowKind::ComboBox: out.AddComboBox(id); break;
      case RowKind::Spacer: out.AddSpacer(row.label); break;
      case RowKind::OpenMenu:
        out.OpenMenu(label, row.imageMso, screentip);
        entryBefore.at(depth) = true;
        entryBefore.at(++depth) = false;
        continue;
      case RowKind::CloseMenu:
        out.CloseMenu(false);
        if (depth > 0) --depth;
        continue;
      case RowKind::Command: out.AddMenuItem(id, label, row.imageMso, screentip, row.onAction); break;
      case RowKind::Gallery: out.AddGalleryItem(id, label, row.imageMso, screentip, row.onAction); break;
      case RowKind::Separator:
        if (entryBefore.at(depth) && EntryFollows(rows, i + 1, names)) {
          out.AddMenuSeparator();
          entryBefore.at(depth) = false;
        } else {
          out.SkipMenuSeparator();
        }
        continue;
      case RowKind::CustomButton: AppendCustomButton(out, row, idPrefix, label, screentip); break;
    }
    entryBefore.at(depth) = true;
  }
}

void BuildMenus(MarkupEmitters& out, std::int16_t pass, const CommandNames& names, UiLanguage language) {
  out.SetMenuPass(pass);
  const std::string_view idPrefix = pass == 1 ? "" : "All";
  const auto menus = catalogue::MenuBar();
  for (std::size_t i = 0; i < menus.size(); ++i) {
    out.OpenMenu(Text(menus[i].label, language), "", "");
    WriteRows(out, menus[i].rows, idPrefix, names, language);
    const bool lastMenu = i + 1 == menus.size();
    out.CloseMenu(!lastMenu);
  }
}

void BuildStandardRows(MarkupEmitters& out, const CommandNames& names, UiLanguage language) {
  WriteRows(out, catalogue::StandardRow(), "", names, language);
}

void BuildFormattingRows(MarkupEmitters& out, const CommandNames& names, UiLanguage language) {
  WriteRows(out, catalogue::FormattingRow(), "", names, language);
}

}  // namespace quillmere
