#include <gtest/gtest.h>

#include <algorithm>
#include <span>
#include <string>
#include <vector>

#include "addin/catalogue/catalogue_row.h"

namespace quillmere::catalogue {
namespace {

// Menus hold menu rows only, and their submenus are one level deep and closed.
void ExpectMenuStructure(const ClassicMenu& menu) {
  int depth = 0;
  for (const CatalogueRow& row : menu.rows) {
    switch (row.kind) {
      case RowKind::Command:
      case RowKind::Gallery:
      case RowKind::CustomButton:
      case RowKind::Separator: break;
      case RowKind::OpenMenu: EXPECT_EQ(depth++, 0) << "submenus are one level deep"; break;
      case RowKind::CloseMenu: EXPECT_EQ(--depth, 0); break;
      default: ADD_FAILURE() << "a toolbar row kind in a menu";
    }
  }
  EXPECT_EQ(depth, 0);
}

TEST(CatalogueTest, MenusHoldOnlyMenuRowsAndClosedOneLevelSubmenus) {
  for (const ClassicMenu& menu : MenuBar()) {
    SCOPED_TRACE(static_cast<int>(menu.label));
    ExpectMenuStructure(menu);
  }
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
    EXPECT_EQ(row->imageMso, row->labelText == TextId::SubmenuComments ? "ReviewNewComment" : "");
    EXPECT_EQ(row->screentipText, TextId::None);
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

// A toolbar row is one box: groups and icon menus inside it never nest and always close.
void ExpectBalancedBox(std::span<const CatalogueRow> rows) {
  ASSERT_FALSE(rows.empty());
  EXPECT_EQ(rows.front().kind, RowKind::OpenRow);
  EXPECT_EQ(rows.back().kind, RowKind::CloseRow);
  int groupDepth = 0, menuDepth = 0;
  for (const CatalogueRow& row : rows.subspan(1, rows.size() - 2)) {
    groupDepth += row.kind == RowKind::OpenGroup ? 1 : row.kind == RowKind::CloseGroup ? -1 : 0;
    menuDepth += row.kind == RowKind::OpenMenu ? 1 : row.kind == RowKind::CloseMenu ? -1 : 0;
    EXPECT_TRUE(groupDepth == 0 || groupDepth == 1) << row.id;
    EXPECT_TRUE(menuDepth == 0 || menuDepth == 1) << row.id;
    EXPECT_NE(row.kind, RowKind::OpenRow);
    EXPECT_NE(row.kind, RowKind::CloseRow);
  }
  EXPECT_EQ(groupDepth, 0);
  EXPECT_EQ(menuDepth, 0);
}

TEST(CatalogueTest, ToolbarRowsAreTheStandardAndFormattingBoxes) {
  ExpectBalancedBox(StandardRow());
  ExpectBalancedBox(FormattingRow());
  EXPECT_EQ(StandardRow()[0].id, "boxNew2");
  EXPECT_EQ(FormattingRow()[0].id, "boxNew3");
}

}  // namespace
}  // namespace quillmere::catalogue
