#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "addin/catalogue/catalogue_row.h"

namespace quillmere::catalogue {
namespace {

struct MenuShape {
  std::string label;
  int entries;  // command, gallery and custom-button rows, submenus' rows included
  int separators;
  int submenus;
};

MenuShape ShapeOf(const ClassicMenu& menu) {
  MenuShape shape{std::string(menu.label), 0, 0, 0};
  int depth = 0;
  for (const CatalogueRow& row : menu.rows) {
    switch (row.kind) {
      case RowKind::Command:
      case RowKind::Gallery:
      case RowKind::CustomButton: ++shape.entries; break;
      case RowKind::Separator: ++shape.separators; break;
      case RowKind::OpenMenu:
        ++shape.submenus;
        EXPECT_EQ(depth++, 0) << "submenus are one level deep, in " << menu.label;
        break;
      case RowKind::CloseMenu: EXPECT_EQ(--depth, 0) << menu.label; break;
      default: ADD_FAILURE() << "a toolbar row kind in the menu " << menu.label;
    }
  }
  EXPECT_EQ(depth, 0) << menu.label;
  return shape;
}

bool operator==(const MenuShape& a, const MenuShape& b) {
  return a.label == b.label && a.entries == b.entries && a.separators == b.separators && a.submenus == b.submenus;
}

void PrintTo(const MenuShape& shape, std::ostream* out) {
  *out << '"' << shape.label << "\" " << shape.entries << " entries, " << shape.separators << " separators, "
       << shape.submenus << " submenus";
}

TEST(CatalogueTest, MenuBarHoldsTheNineMenusWithTheirShapes) {
  std::vector<MenuShape> shapes;
  for (const ClassicMenu& menu : MenuBar()) shapes.push_back(ShapeOf(menu));
  EXPECT_EQ(shapes, (std::vector<MenuShape>{{"File", 16, 6, 0},
                                            {"Edit", 16, 4, 0},
                                            {" View", 22, 4, 2},
                                            {"Insert", 27, 4, 2},
                                            {"Format", 26, 4, 1},
                                            {"Tools", 28, 6, 2},
                                            {"Slide Show", 21, 2, 1},
                                            {"Windows", 6, 2, 0},
                                            {"Help", 6, 3, 0}}));
}

std::vector<const CatalogueRow*> RowsOfKind(RowKind kind) {
  std::vector<const CatalogueRow*> rows;
  for (const ClassicMenu& menu : MenuBar()) {
    for (const CatalogueRow& row : menu.rows) {
      if (row.kind == kind) rows.push_back(&row);
    }
  }
  return rows;
}

TEST(CatalogueTest, OnlyTheCommentsSubmenuHasAnImageAndNoMenuRowHasATipOrAction) {
  for (const CatalogueRow* row : RowsOfKind(RowKind::OpenMenu)) {
    EXPECT_EQ(row->imageMso, row->label == "Comments" ? "ReviewNewComment" : "") << row->label;
    EXPECT_EQ(row->screentip, "") << row->label;
  }
  for (RowKind kind : {RowKind::Command, RowKind::Gallery}) {
    for (const CatalogueRow* row : RowsOfKind(kind)) {
      EXPECT_FALSE(row->id.empty()) << row->label;  // so no menu row draws a number
      EXPECT_EQ(row->imageMso, "");
      EXPECT_EQ(row->screentip, "");
      EXPECT_EQ(row->onAction, "");
    }
  }
}

TEST(CatalogueTest, GalleriesAndCustomButtonsAreTheDocumentedOnes) {
  std::vector<std::string> galleries;
  for (const CatalogueRow* row : RowsOfKind(RowKind::Gallery)) galleries.emplace_back(row->id);
  EXPECT_EQ(galleries, (std::vector<std::string>{"AnimationGallery", "SlideShowResolutionGallery",
                                                 "SlideShowShowPresentationOnGallery"}));
  std::vector<std::string> actions;
  for (const CatalogueRow* row : RowsOfKind(RowKind::CustomButton)) actions.emplace_back(row->onAction);
  EXPECT_EQ(actions, (std::vector<std::string>{"Uninstall0", "ShowAbout0"}));
}

TEST(CatalogueTest, LabelsKeepTheirOddCharacters) {
  auto labelOf = [](std::string_view idMso) {
    std::vector<std::string> labels;
    for (const CatalogueRow* row : RowsOfKind(RowKind::Command)) {
      if (row->id == idMso) labels.emplace_back(row->label);
    }
    return labels;
  };
  EXPECT_EQ(labelOf("FileAddDigitalSignature"), std::vector<std::string>{"Add a Digital Sinature"});
  EXPECT_EQ(labelOf("ShowClipboard"), (std::vector<std::string>{"Office Clipboard \u2026", "Office Clipboard \u2026"}));
  EXPECT_EQ(labelOf("FileSaveAsPowerPoint97_2003"),
            std::vector<std::string>{"Save As \u2026 PowerPoint 97 - 2003 Presentation"});
  EXPECT_EQ(labelOf("FileProperties"), (std::vector<std::string>{"View Document Properties\u2026", "Properties"}));
  EXPECT_EQ(labelOf("SmartArtInsert"), (std::vector<std::string>{"Smart Art", "Diagram"}));
  EXPECT_EQ(labelOf("Undo"), std::vector<std::string>{""});
}

struct RowTotals {
  int groups = 0, spacers = 0, toolButtons = 0, comboBoxes = 0, menus = 0, menuItems = 0;
  std::string spacerLabels;
  bool balanced = true;
  friend bool operator==(const RowTotals&, const RowTotals&) = default;
};

RowTotals TotalsOf(std::span<const CatalogueRow> rows) {
  RowTotals totals;
  int groupDepth = 0, menuDepth = 0;
  for (const CatalogueRow& row : rows) {
    switch (row.kind) {
      case RowKind::OpenGroup:
        ++totals.groups;
        ++groupDepth;
        break;
      case RowKind::CloseGroup: --groupDepth; break;
      case RowKind::Spacer:
        ++totals.spacers;
        totals.spacerLabels += std::string(row.label) + "|";
        break;
      case RowKind::ToolButton: ++totals.toolButtons; break;
      case RowKind::ComboBox: ++totals.comboBoxes; break;
      case RowKind::OpenMenu:
        ++totals.menus;
        ++menuDepth;
        break;
      case RowKind::CloseMenu: --menuDepth; break;
      case RowKind::Command: ++totals.menuItems; break;
      default: break;
    }
    totals.balanced = totals.balanced && groupDepth >= 0 && groupDepth <= 1 && menuDepth >= 0 && menuDepth <= 1;
  }
  totals.balanced = totals.balanced && groupDepth == 0 && menuDepth == 0 && rows.front().kind == RowKind::OpenRow &&
                    rows.back().kind == RowKind::CloseRow;
  return totals;
}

TEST(CatalogueTest, ToolbarRowsHaveTheirDocumentedTotals) {
  EXPECT_EQ(TotalsOf(StandardRow()), (RowTotals{10, 8, 25, 0, 2, 9, "  |  |  |  |  |  |  |  |", true}));
  EXPECT_EQ(TotalsOf(FormattingRow()), (RowTotals{6, 3, 23, 2, 0, 0, " | |  |", true}));
  EXPECT_EQ(StandardRow()[0].id, "boxNew2");
  EXPECT_EQ(FormattingRow()[0].id, "boxNew3");
  EXPECT_EQ(FormattingRow()[1].kind, RowKind::ComboBox);
}

}  // namespace
}  // namespace quillmere::catalogue
