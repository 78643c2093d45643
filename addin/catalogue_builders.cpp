#include "addin/catalogue_builders.h"

namespace quillmere {

using catalogue::CatalogueRow;
using catalogue::RowKind;

namespace {

// The add-in's own buttons are written as they stand, outside the id counters.
void AppendCustomButton(MarkupEmitters& out, const CatalogueRow& row, std::string_view idPrefix) {
  out.Append("<button id=\"");
  out.Append(idPrefix);
  out.Append(row.id);
  out.Append("\"");
  for (auto [name, value] : {std::pair{" label=\"", row.label}, std::pair{" screentip=\"", row.screentip},
                             std::pair{" onAction=\"", row.onAction}}) {
    if (value.empty()) continue;
    out.Append(name);
    out.Append(value);
    out.Append("\"");
  }
  out.Append("/>");
}

}  // namespace

void WriteRows(MarkupEmitters& out, std::span<const CatalogueRow> rows, std::string_view idPrefix) {
  for (const CatalogueRow& row : rows) {
    switch (row.kind) {
      case RowKind::OpenRow:
        out.Append("<box id=\"");
        out.Append(row.id);
        out.Append("\" boxStyle=\"horizontal\">");
        break;
      case RowKind::CloseRow: out.Append("</box>"); break;
      case RowKind::OpenGroup: out.OpenButtonGroup(); break;
      case RowKind::CloseGroup: out.CloseButtonGroup(); break;
      case RowKind::ToolButton: out.AddToolButton(row.id, row.screentip, row.imageMso, row.onAction); break;
      case RowKind::ComboBox: out.AddComboBox(row.id); break;
      case RowKind::Spacer: out.AddSpacer(row.label); break;
      case RowKind::OpenMenu: out.OpenMenu(row.label, row.imageMso, row.screentip); break;
      case RowKind::CloseMenu: out.CloseMenu(false); break;
      case RowKind::Command: out.AddMenuItem(row.id, row.label, row.imageMso, row.screentip, row.onAction); break;
      case RowKind::Gallery: out.AddGalleryItem(row.id, row.label, row.imageMso, row.screentip, row.onAction); break;
      case RowKind::Separator: out.AddMenuSeparator(); break;
      case RowKind::CustomButton: AppendCustomButton(out, row, idPrefix); break;
    }
  }
}

void BuildMenus(MarkupEmitters& out, std::int16_t pass) {
  out.SetMenuPass(pass);
  const std::string_view idPrefix = pass == 1 ? "" : "All";
  const auto menus = catalogue::MenuBar();
  for (std::size_t i = 0; i < menus.size(); ++i) {
    out.OpenMenu(menus[i].label, "", "");
    WriteRows(out, menus[i].rows, idPrefix);
    const bool lastMenu = i + 1 == menus.size();
    out.CloseMenu(!lastMenu);
  }
}

void BuildStandardRows(MarkupEmitters& out) { WriteRows(out, catalogue::StandardRow(), ""); }

void BuildFormattingRows(MarkupEmitters& out) { WriteRows(out, catalogue::FormattingRow(), ""); }

}  // namespace quillmere
