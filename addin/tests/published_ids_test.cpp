// The Classic tab for PowerPoint 2013 and later: every idMso one that the host publishes, and
// the document of every other host exactly the 2007 one.

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <optional>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "addin/catalogue_builders.h"
#include "addin/command_names.h"
#include "addin/ribbon_assembler.h"
#include "addin/tests/parsed_ribbon.h"
#include "common/memory_settings_store.h"
#include "common/settings_snapshot.h"

namespace quillmere {
namespace {

using testing_support::ParsedRibbon;
using Settings = std::map<std::string, std::string>;

std::string Assemble(std::optional<std::string> version, const Settings& settings = {}) {
  FixedHost host("Microsoft Office PowerPoint", std::move(version));
  MemorySettingsStore store;
  for (const auto& [key, value] : settings) store.Write(key, value);
  RibbonAssembler assembler;
  return std::string(assembler.GetRibbonXML(&host, SettingsSnapshot(store)).markup);
}

// The first column of a published list.
std::set<std::string> PublishedIds(const std::string& file) {
  std::ifstream in(std::string(QUILLMERE_TEST_DATA_DIR) + "/" + file);
  std::set<std::string> ids;
  std::string line;
  std::getline(in, line);  // the heading
  while (std::getline(in, line)) ids.insert(line.substr(0, line.find('\t')));
  return ids;
}

// The settings that put every kind of idMso into the document: every built-in tab that may be
// hidden (eight of nine, so they are listed one by one) and the "All" copy.
const std::vector<Settings> kVariants = {
    {},
    {{"All", "0"}, {"Left", "0"}},
    {{"Hide built-in Tabs", "1"},
     {"Home", "1"},
     {"Insert", "1"},
     {"Design", "1"},
     {"Animations", "1"},
     {"Slide Show", "1"},
     {"Review", "1"},
     {"View", "1"},
     {"Developer", "1"}},
    {{"Hide built-in Tabs", "1"}, {"Format", "1"}},
};

TEST(PublishedIdsTest, EveryIdMsoIsOneTheHostPublishes) {
  const std::set<std::string> since2013 = PublishedIds("powerpoint-2013-control-ids.tsv");
  std::set<std::string> since2016 = PublishedIds("powerpoint-365-control-ids.tsv");
  ASSERT_GT(since2013.size(), 1000u);
  ASSERT_GT(since2016.size(), 1000u);
  since2016.insert(since2013.begin(), since2013.end());

  const std::pair<std::string, const std::set<std::string>*> hosts[] = {{"15.0", &since2013}, {"16.0", &since2016}};
  for (const auto& [version, published] : hosts) {
    for (const Settings& settings : kVariants) {
      SCOPED_TRACE(version + testing::PrintToString(settings));
      ParsedRibbon ribbon(Assemble(version, settings));
      ASSERT_TRUE(ribbon.WellFormed());
      for (const std::string& id : ribbon.Select("//@idMso | //@insertBeforeMso")) {
        EXPECT_TRUE(published->contains(id)) << id;
      }
    }
  }
}

TEST(PublishedIdsTest, HostsBefore2013OrWithoutAVersionGetThe2007Document) {
  for (const Settings& settings : kVariants) {
    const std::string document2007 = Assemble(std::nullopt, settings);
    for (const char* version : {"12.0", "14.0", "", "abc", "16", "16.0 ", "-16.0", "99999999999.0"}) {
      EXPECT_EQ(Assemble(version, settings), document2007) << version;
    }
  }
}

// Renamed entries keep their place; left-out ones leave no stray separator, and every other
// element keeps the id it has in the 2007 document.
TEST(PublishedIdsTest, LeftOutEntriesLeaveMenusTidyAndOtherIdsAsTheyWere) {
  for (const Settings& settings : kVariants) {
    SCOPED_TRACE(testing::PrintToString(settings));
    ParsedRibbon before(Assemble("12.0", settings));
    ParsedRibbon after(Assemble("16.0", settings));
    ASSERT_TRUE(after.WellFormed());

    const std::vector<std::string> idsBefore = before.Select("//@id");
    std::vector<std::string> kept;
    std::set<std::string> idsAfter;
    for (const std::string& id : after.Select("//@id")) idsAfter.insert(id);
    for (const std::string& id : idsBefore) {
      if (idsAfter.contains(id)) {
        kept.push_back(id);
      } else {
        EXPECT_TRUE(id.starts_with("msep00")) << "only separators go: " << id;
      }
    }
    EXPECT_EQ(after.Select("//@id"), kept);

    for (const ParsedRibbon* ribbon : {&before, &after}) {
      EXPECT_EQ(ribbon->Count("//r:menu/*[1][self::r:menuSeparator]"), 0u);
      EXPECT_EQ(ribbon->Count("//r:menu/*[last()][self::r:menuSeparator]"), 0u);
      EXPECT_EQ(ribbon->Count("//r:menuSeparator[following-sibling::*[1][self::r:menuSeparator]]"), 0u);
      EXPECT_EQ(ribbon->Count("//r:menu[not(*)] | //r:buttonGroup[not(*)]"), 0u);
    }
    EXPECT_EQ(
        after.Count("//r:control"),
        before.Count("//r:control") -
            before.Count("//r:control[@idMso='ViewNormalViewPowerPoint' or @idMso='FileCreateDocumentWorkspace']"));
  }
}

struct NamesCase {
  std::string name;
  std::optional<std::string> version;
  bool laterNames;
  friend void PrintTo(const NamesCase& c, std::ostream* os) { *os << c.name; }
};

class HostVersionTest : public testing::TestWithParam<NamesCase> {};

TEST_P(HostVersionTest, PicksTheNamesTheVersionKnows) {
  const CommandNames names = CommandNames::ForHostVersion(GetParam().version);
  EXPECT_EQ(names.For("ViewGridlines"), GetParam().laterNames ? "ViewGridlinesPowerPoint" : "ViewGridlines");
  EXPECT_EQ(names.For("FileCreateDocumentWorkspace").has_value(), !GetParam().laterNames);
  EXPECT_EQ(names.For("FileNew"), "FileNew");
}

INSTANTIATE_TEST_SUITE_P(
    Versions, HostVersionTest,
    testing::Values(NamesCase{"None", std::nullopt, false}, NamesCase{"PowerPoint2007", "12.0", false},
                    NamesCase{"PowerPoint2010", "14.0", false}, NamesCase{"PowerPoint2013", "15.0", true},
                    NamesCase{"PowerPoint2016To365", "16.0", true}, NamesCase{"WithBuildNumber", "16.0.17928", true},
                    NamesCase{"Later", "17.0", true}, NamesCase{"Empty", "", false},
                    NamesCase{"LoneNumber", "16", false}, NamesCase{"Blanks", " 16.0", false},
                    NamesCase{"TrailingDot", "16.", false}, NamesCase{"EmptyPart", "16..0", false},
                    NamesCase{"Signed", "+16.0", false}, NamesCase{"Words", "sixteen.0", false},
                    NamesCase{"Overflow", "99999999999.0", false}),
    [](const auto& info) { return info.param.name; });

// Menus as row lists, with "X" left out by the host: what the menu shows.
struct DropCase {
  std::string name;
  std::vector<catalogue::CatalogueRow> rows;
  std::string shown;  // entries by id, "|" for a separator, "[" and "]" around a submenu
  friend void PrintTo(const DropCase& c, std::ostream* os) { *os << c.name; }
};

class LeftOutEntryTest : public testing::TestWithParam<DropCase> {};

constexpr catalogue::RenamedCommand kDropX[] = {{"X", ""}, {"R", "Renamed"}};

TEST_P(LeftOutEntryTest, SeparatorsStayOnlyBetweenShownEntries) {
  MarkupEmitters out;
  WriteRows(out, GetParam().rows, "", CommandNames(kDropX));
  std::string shown(out.MarkupBuffer());
  const std::pair<const char*, const char*> marks[] = {{R"x(<control idMso="([^"]*)"/>)x", "$1"},
                                                       {R"x(<menuSeparator id="[^"]*"/>)x", "|"},
                                                       {"<menu [^>]*>", "["},
                                                       {"</menu>", "]"}};
  for (const auto& [pattern, mark] : marks) {
    shown = std::regex_replace(shown, std::regex(pattern), mark);
  }
  EXPECT_EQ(shown, GetParam().shown);
  int separators = 0;
  for (const auto& row : GetParam().rows) separators += row.kind == catalogue::RowKind::Separator;
  out.AddMenuSeparator();
  EXPECT_TRUE(out.MarkupBuffer().ends_with("msep00" + std::to_string(separators + 1) + "d\"/>"))
      << "left-out separators still take their number";
}

using namespace catalogue;  // NOLINT: the row constructors read like the menus they build

INSTANTIATE_TEST_SUITE_P(Menus, LeftOutEntryTest,
                         testing::Values(DropCase{"NothingLeftOut", {Command("A"), Separator(), Command("B")}, "A|B"},
                                         DropCase{"Renamed", {Command("R"), Separator(), Command("B")}, "Renamed|B"},
                                         DropCase{"FirstEntry", {Command("X"), Separator(), Command("A")}, "A"},
                                         DropCase{"LastEntry", {Command("A"), Separator(), Command("X")}, "A"},
                                         DropCase{"BetweenTwoSeparators",
                                                  {Command("A"), Separator(), Command("X"), Separator(), Command("B")},
                                                  "A|B"},
                                         DropCase{"BeforeASubmenu",
                                                  {Command("A"), Separator(), Command("X"), Separator(),
                                                   OpenMenu(TextId::SubmenuMacro), Command("B"), CloseMenu()},
                                                  "A|[B]"},
                                         DropCase{"LastOfASubmenu",
                                                  {Command("A"), OpenMenu(TextId::SubmenuMacro), Command("B"),
                                                   Separator(), Command("X"), CloseMenu(), Separator(), Command("C")},
                                                  "A[B]|C"}),
                         [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace quillmere
