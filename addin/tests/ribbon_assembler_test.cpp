#include "addin/ribbon_assembler.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "addin/assembly_error.h"
#include "addin/catalogue/catalogue_row.h"
#include "addin/tests/parsed_ribbon.h"
#include "common/memory_settings_store.h"
#include "common/settings_snapshot.h"
#include "common/texts/product_texts.h"

namespace quillmere {
namespace {

using testing_support::ParsedRibbon;
using Settings = std::map<std::string, std::string>;

constexpr std::string_view kRoot = R"(<customUI xmlns="http://schemas.microsoft.com/office/2006/01/customui" >)";
constexpr std::string_view kClose = "</box></group ></tab></tabs></ribbon></customUI>";

MemorySettingsStore StoreOf(const Settings& settings) {
  MemorySettingsStore store;
  for (const auto& [key, value] : settings) store.Write(key, value);
  return store;
}

// A store that holds nothing and cannot read one key.
class FailingStore final : public SettingsStore {
 public:
  explicit FailingStore(std::string failing) : failing_(std::move(failing)) {}
  std::optional<std::string> Read(std::string_view key) const override {
    if (key == failing_) throw SettingsStoreError("access denied");
    return std::nullopt;
  }
  void Write(std::string_view, std::string_view) override {}

 private:
  std::string failing_;
};

std::string Assemble(RibbonAssembler& assembler, const HostApplication& host, const SettingsStore& store) {
  return std::string(assembler.GetRibbonXML(&host, SettingsSnapshot(store)).markup);
}

std::string Assemble(const Settings& settings, std::string hostName = "Microsoft Office PowerPoint") {
  FixedHost host(std::move(hostName));
  RibbonAssembler assembler;
  return Assemble(assembler, host, StoreOf(settings));
}

const Settings kAllNineTabs = {{"Home", "1"},       {"Insert", "1"},     {"Design", "1"},
                               {"Animations", "1"}, {"Slide Show", "1"}, {"Review", "1"},
                               {"View", "1"},       {"Developer", "1"},  {"Format", "1"}};

Settings With(Settings base, const Settings& more) {
  for (const auto& [key, value] : more) base[key] = value;
  return base;
}

// The setting variants users can produce, and some they should not but might.
const std::vector<Settings> kVariants = {
    {},
    {{"All", "0"}},
    {{"Left", "0"}},
    {{"Left", "0"}, {"All", "0"}},
    {{"Hide built-in Tabs", "1"}, {"Home", "1"}, {"Review", "1"}, {"Format", "1"}},
    With(kAllNineTabs, {{"Hide built-in Tabs", "1"}}),
    {{"Classic", "2"}, {"Left", "5"}, {"All", "-1"}, {"Hide built-in Tabs", "1"}, {"Home", "9"}},
};

TEST(RibbonDocumentTest, DefaultDocumentOpensWithTheAllCopyAndEndsWithTheFormattingRow) {
  const std::string document = Assemble({});
  EXPECT_TRUE(document.starts_with(
      std::string(kRoot) +
      R"(<ribbon><tabs><tab id="Menus" label="Classic" insertBeforeMso="TabHome">)"
      R"(<group id="ToolsPanel" label="Tools panel"><box id="boxNew1" boxStyle="horizontal">)"
      R"(<menu id="BR32341" label="All" tag = "BR32341"><menu id="BR32342" label="File" tag = "BR32342">)"
      R"(<control idMso="FileNew" label="New"/>)"));
  EXPECT_TRUE(document.ends_with(R"(<control idMso="ShapeEffectsMenu" showLabel="false"/></buttonGroup>)" +
                                 std::string(kClose)));
  // The "All" copy closes, then the wide spacer, then the bar's File menu.
  EXPECT_NE(
      document.find(
          R"(<button id="Alld242242" label="About Quillmere" onAction="ShowAbout0"/></menu></menu>)"
          R"(<button id="sep001" label="  " enabled="false"/><menu id="BR323419" label="File" tag = "BR323419">)"),
      std::string::npos);
  // No line breaks or indentation anywhere.
  EXPECT_EQ(document.find_first_of("\r\n\t"), std::string::npos);
  EXPECT_EQ(document.find("> <"), std::string::npos);
}

TEST(RibbonDocumentTest, EveryVariantIsWellFormedWithUniqueIdsAndRepeatable) {
  for (const Settings& settings : kVariants) {
    SCOPED_TRACE(testing::PrintToString(settings));
    FixedHost host;
    MemorySettingsStore store = StoreOf(settings);
    RibbonAssembler assembler;
    const std::string first = Assemble(assembler, host, store);
    const std::string second = Assemble(assembler, host, store);
    EXPECT_EQ(first, second);

    ParsedRibbon ribbon(first);
    ASSERT_TRUE(ribbon.WellFormed());
    std::vector<std::string> ids = ribbon.Select("//@id");
    std::set<std::string> unique(ids.begin(), ids.end());
    EXPECT_EQ(unique.size(), ids.size());
    // Every menu's tag repeats its id.
    EXPECT_EQ(ribbon.Select("//r:menu/@id"), ribbon.Select("//r:menu/@tag"));
  }
}

TEST(RibbonDocumentTest, ManyCallsOnOneAssemblerGiveIdenticalText) {
  FixedHost host;
  RibbonAssembler assembler;
  std::vector<std::string> documents;
  for (const Settings& settings : kVariants) documents.push_back(Assemble(assembler, host, StoreOf(settings)));
  for (std::size_t i = 0; i < kVariants.size(); ++i) {
    EXPECT_EQ(Assemble(assembler, host, StoreOf(kVariants[i])), documents[i]);
  }
}

struct HostCase {
  std::string name;
  bool documentExpected;
  friend void PrintTo(const HostCase& c, std::ostream* os) { *os << c.name; }
};

class HostTestTest : public testing::TestWithParam<HostCase> {};

TEST_P(HostTestTest, OnlyAHostNamedPowerPointGetsADocument) {
  EXPECT_EQ(!Assemble({}, GetParam().name).empty(), GetParam().documentExpected) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(Names, HostTestTest,
                         testing::Values(HostCase{"Microsoft Office PowerPoint", true}, HostCase{"PowerPoint", true},
                                         HostCase{"xPowerPointx", true}, HostCase{"Microsoft Office Word", false},
                                         HostCase{"powerpoint", false}, HostCase{"POWERPOINT", false},
                                         HostCase{"Power Point", false}, HostCase{"", false}));

TEST(RibbonDocumentTest, ClassicSwitchIsNonZeroNotExactlyOne) {
  EXPECT_EQ(Assemble({{"Classic", "0"}}), "");
  EXPECT_EQ(Assemble({{"Classic", " 0.4 "}}), "");
  EXPECT_EQ(Assemble({{"Classic", "2"}}), Assemble({}));
  EXPECT_EQ(Assemble({{"Classic", "-1"}}), Assemble({}));
}

// What the document does not use cannot fail it: behind a switched-off Classic tab, or behind
// hiding that is off, a value that is no number or cannot be read changes nothing.
TEST(RibbonDocumentTest, ValuesTheDocumentDoesNotUseCannotFailIt) {
  FixedHost host;
  RibbonAssembler assembler;
  EXPECT_EQ(Assemble(assembler, host, StoreOf({{"Classic", "0"}, {"Left", "junk"}, {"Hide built-in Tabs", "x"}})), "");
  EXPECT_EQ(Assemble(assembler, host, StoreOf({{"Home", "junk"}, {"Format", "junk"}})), Assemble({}));
  EXPECT_EQ(Assemble(assembler, host, FailingStore("Home")), Assemble({}));
}

struct TabsCase {
  std::string name;
  Settings settings;
  std::string expectedTabs;  // what stands between <customUI ...> and the Classic tab
  friend void PrintTo(const TabsCase& c, std::ostream* os) { *os << c.name; }
};

class HiddenTabsTest : public testing::TestWithParam<TabsCase> {};

TEST_P(HiddenTabsTest, WritesTheRibbonOpeningForTheStoredTabs) {
  const std::string document = Assemble(GetParam().settings);
  ASSERT_TRUE(document.starts_with(kRoot));
  const auto classicTab = document.find(R"(<tab id="Menus")");
  EXPECT_EQ(document.substr(kRoot.size(), classicTab - kRoot.size()), GetParam().expectedTabs);
}

INSTANTIATE_TEST_SUITE_P(
    Settings, HiddenTabsTest,
    testing::Values(
        TabsCase{"HidingOffIgnoresTabKeys", kAllNineTabs, "<ribbon><tabs>"},
        TabsCase{"HidingTwoIsNotOn", With(kAllNineTabs, {{"Hide built-in Tabs", "2"}}), "<ribbon><tabs>"},
        TabsCase{"AllNineStartFromScratch", With(kAllNineTabs, {{"Hide built-in Tabs", "1"}}),
                 R"(<ribbon startFromScratch="true"><tabs>)"},
        TabsCase{"SumOfNineStartsFromScratch",
                 {{"Hide built-in Tabs", "1"}, {"Home", "9"}},
                 R"(<ribbon startFromScratch="true"><tabs>)"},
        TabsCase{"SumRoundsAfterEachStep",  // 0.5 -> 0, then 8.5 -> 8, ... rounding ties to even
                 {{"Hide built-in Tabs", "1"}, {"Home", "0.5"}, {"Insert", "8.5"}, {"Design", "1"}},
                 R"(<ribbon startFromScratch="true"><tabs>)"},
        TabsCase{"EightOfNineListedInTableOrder",
                 With(With(kAllNineTabs, {{"Hide built-in Tabs", "1"}}), {{"Home", "0"}}),
                 R"(<ribbon><tabs><tab idMso="TabInsert" visible="false"/><tab idMso="TabDesign" visible="false"/>)"
                 R"(<tab idMso="TabAnimations" visible="false"/><tab idMso="TabSlideShow" visible="false"/>)"
                 R"(<tab idMso="TabReview" visible="false"/><tab idMso="TabView" visible="false"/>)"
                 R"(<tab idMso="TabDeveloper" visible="false"/><tab idMso="TabSlideMasterHome" visible="false"/>)"},
        TabsCase{"FormatHidesTheSlideMasterTab",
                 {{"Hide built-in Tabs", "1"}, {"Format", "1"}},
                 R"(<ribbon><tabs><tab idMso="TabSlideMasterHome" visible="false"/>)"},
        TabsCase{"OnlyExactlyOneHides",
                 {{"Hide built-in Tabs", "1.0"}, {"Home", "2"}, {"View", " 1.0 "}, {"Review", "0.9999"}},
                 R"(<ribbon><tabs><tab idMso="TabView" visible="false"/>)"},
        TabsCase{"NothingHiddenWhenNoTabKeyIsOne", {{"Hide built-in Tabs", "1"}}, "<ribbon><tabs>"}),
    [](const auto& info) { return info.param.name; });

TEST(RibbonDocumentTest, LeftDecidesWhereTheClassicTabStands) {
  EXPECT_NE(Assemble({{"Left", "1"}}).find(R"(<tab id="Menus" label="Classic" insertBeforeMso="TabHome">)"),
            std::string::npos);
  for (std::string left : {"0", "2", "-1"}) {
    const std::string document = Assemble({{"Left", left}});
    EXPECT_NE(document.find(R"(<tabs><tab id="Menus" label="Classic"><group)"), std::string::npos) << left;
    EXPECT_EQ(document.find("insertBeforeMso"), std::string::npos) << left;
  }
}

TEST(RibbonDocumentTest, WithoutAllTheBarStartsTheRow) {
  const std::string document = Assemble({{"All", "0"}});
  EXPECT_NE(document.find(R"(<box id="boxNew1" boxStyle="horizontal"><menu id="BR32341" label="File" tag = "BR32341">)"
                          R"(<control idMso="FileNew" label="New"/><control idMso="FileOpen" label="Open"/>)"
                          R"(<control idMso="FileClose" label="Close"/><menuSeparator id="msep001d"/>)"),
            std::string::npos);
  EXPECT_NE(
      document.find(
          R"(<control idMso="FileExit" label="Exit PowerPoint"/></menu><button id="sep001" label=" " enabled="false"/>)"
          R"(<menu id="BR32342" label="Edit" tag = "BR32342"><control idMso="Undo"/><control idMso="RedoOrRepeat"/>)"
          R"(<menuSeparator id="msep007d"/>)"),
      std::string::npos);
  EXPECT_NE(
      document.find(
          R"(<menuSeparator id="msep0034d"/><button id="d24224025" label="Uninstall Quillmere" )"
          R"(screentip="You can uninstall using this option." onAction="Uninstall0"/><menuSeparator id="msep0035d"/>)"
          R"(<button id="d242242" label="About Quillmere" onAction="ShowAbout0"/></menu></box>)"),
      std::string::npos);
  EXPECT_EQ(document.find(R"(label="All")"), std::string::npos);
  EXPECT_EQ(document.find(R"(id="All)"), std::string::npos);
}

// Each kind of generated id counts 1, 2, 3... in document order, whatever the settings.
TEST(RibbonDocumentTest, GeneratedIdsCountFromOneWithoutGaps) {
  struct IdKind {
    std::string xpath, prefix, suffix;
  };
  const IdKind kinds[] = {{"//r:menu/@id", "BR3234", ""},
                          {"//r:menuSeparator/@id", "msep00", "d"},
                          {"//r:buttonGroup/@id", "btnGr00", ""},
                          {"//r:button[starts-with(@id, 'sep00')]/@id", "sep00", ""}};
  for (const Settings& settings : kVariants) {
    SCOPED_TRACE(testing::PrintToString(settings));
    ParsedRibbon ribbon(Assemble(settings));
    ASSERT_TRUE(ribbon.WellFormed());
    for (const IdKind& kind : kinds) {
      const std::vector<std::string> ids = ribbon.Select(kind.xpath);
      std::vector<std::string> expected;
      for (std::size_t n = 1; n <= ids.size(); ++n) expected.push_back(kind.prefix + std::to_string(n) + kind.suffix);
      EXPECT_FALSE(ids.empty()) << kind.xpath;
      EXPECT_EQ(ids, expected) << kind.xpath;
    }
  }
}

const std::string kRow1 = "//r:box[@id='boxNew1']";
const std::string kRow2 = "//r:box[@id='boxNew2']";
const std::string kRow3 = "//r:box[@id='boxNew3']";

// What one menu holds: counted in the catalogue's rows, or in the document.
struct MenuCounts {
  std::size_t controls = 0, galleries = 0, callbacks = 0, separators = 0, submenus = 0;
  bool operator==(const MenuCounts&) const = default;
  friend void PrintTo(const MenuCounts& c, std::ostream* os) {
    *os << c.controls << " controls, " << c.galleries << " galleries, " << c.callbacks << " callbacks, " << c.separators
        << " separators, " << c.submenus << " submenus";
  }
};

MenuCounts CountsIn(const catalogue::ClassicMenu& menu) {
  MenuCounts counts;
  for (const catalogue::CatalogueRow& row : menu.rows) {
    counts.controls += row.kind == catalogue::RowKind::Command;
    counts.galleries += row.kind == catalogue::RowKind::Gallery;
    counts.callbacks += row.kind == catalogue::RowKind::CustomButton;
    counts.separators += row.kind == catalogue::RowKind::Separator;
    counts.submenus += row.kind == catalogue::RowKind::OpenMenu;
  }
  return counts;
}

MenuCounts CountsIn(const ParsedRibbon& ribbon, const std::string& menu) {
  return {ribbon.Count(menu + "//r:control"), ribbon.Count(menu + "//r:gallery"),
          ribbon.Count(menu + "//r:button[@onAction]"), ribbon.Count(menu + "//r:menuSeparator"),
          ribbon.Count(menu + "//r:menu")};
}

TEST(RibbonDocumentTest, EachPassWritesEveryMenuOfTheCatalogue) {
  ParsedRibbon ribbon(Assemble({}));
  ASSERT_TRUE(ribbon.WellFormed());
  const auto menus = catalogue::MenuBar();
  const std::string copy = kRow1 + "/r:menu[@label='All']";
  const std::string bar = kRow1 + "/r:menu[not(@label='All')]";
  for (const std::string& pass : {copy + "/r:menu", bar}) {
    SCOPED_TRACE(pass);
    ASSERT_EQ(ribbon.Count(pass), menus.size());
    for (std::size_t i = 0; i < menus.size(); ++i) {
      const std::string menu = "(" + pass + ")[" + std::to_string(i + 1) + "]";
      const std::string label(Text(menus[i].label, UiLanguage::English));
      EXPECT_EQ(ribbon.Select(menu + "/@label"), std::vector<std::string>{label});
      EXPECT_EQ(CountsIn(ribbon, menu), CountsIn(menus[i])) << label;
      // Command labels are written exactly as the catalogue holds them, odd characters and all.
      std::vector<std::string> commandLabels;
      for (const catalogue::CatalogueRow& row : menus[i].rows) {
        if (!row.id.empty() && !row.label.empty()) commandLabels.emplace_back(row.label);
      }
      EXPECT_EQ(ribbon.Select(menu + "//*[@idMso]/@label"), commandLabels) << label;
    }
  }
  // The copy's own buttons carry the "All" prefix, so no id is written twice.
  std::vector<std::string> copyIds, barIds;
  for (const auto& menu : menus) {
    for (const auto& row : menu.rows) {
      if (row.kind != catalogue::RowKind::CustomButton) continue;
      copyIds.push_back("All" + std::string(row.id));
      barIds.emplace_back(row.id);
    }
  }
  EXPECT_EQ(ribbon.Select(copy + "//r:button/@id"), copyIds);
  EXPECT_EQ(ribbon.Select(bar + "//r:button/@id"), barIds);
  // A spacer between the bar's menus, one blank each, none after the last; two blanks after "All".
  std::vector<std::string> children = {"menu", "button"}, spacers = {"  "};
  for (std::size_t i = 0; i < menus.size(); ++i) {
    children.emplace_back("menu");
    if (i + 1 < menus.size()) {
      children.emplace_back("button");
      spacers.emplace_back(" ");
    }
  }
  EXPECT_EQ(ribbon.Select(kRow1 + "/*"), children);
  EXPECT_EQ(ribbon.Select(kRow1 + "/r:button/@label"), spacers);
}

TEST(RibbonDocumentTest, ToolbarRowsAreTheSameWhateverTheSettings) {
  auto rows = [](const std::string& document) {
    ParsedRibbon ribbon(document);
    return std::pair{ribbon.Select(kRow2 + "//@*[not(name()='id' or name()='tag')]"),
                     ribbon.Select(kRow3 + "//@*[not(name()='id' or name()='tag')]")};
  };
  const auto reference = rows(Assemble({}));
  EXPECT_FALSE(reference.first.empty());
  EXPECT_FALSE(reference.second.empty());
  for (const Settings& settings : kVariants) EXPECT_EQ(rows(Assemble(settings)), reference);
}

struct FailureCase {
  std::string name;
  Settings settings;
  std::string key;
  std::string storedText;
  friend void PrintTo(const FailureCase& c, std::ostream* os) { *os << c.name; }
};

class BadSettingTest : public testing::TestWithParam<FailureCase> {};

TEST_P(BadSettingTest, FailsNamingTheKeyAndItsText) {
  FixedHost host;
  RibbonAssembler assembler;
  try {
    const std::string document = Assemble(assembler, host, StoreOf(GetParam().settings));
    FAIL() << "expected a failure, got " << document.size() << " characters";
  } catch (const AssemblyError& error) {
    EXPECT_EQ(error.GetReason(), AssemblyError::Reason::NotANumber);
    EXPECT_EQ(error.Key(), GetParam().key);
    EXPECT_EQ(error.StoredText(), GetParam().storedText);
    EXPECT_NE(std::string(error.what()).find(GetParam().key), std::string::npos);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Settings, BadSettingTest,
    testing::Values(FailureCase{"Classic", {{"Classic", "yes"}}, "Classic", "yes"},
                    FailureCase{"ClassicEmpty", {{"Classic", ""}}, "Classic", ""},
                    FailureCase{"ClassicTooLarge", {{"Classic", "4294967296"}}, "Classic", "4294967296"},
                    FailureCase{"Hide", {{"Hide built-in Tabs", "on"}}, "Hide built-in Tabs", "on"},
                    FailureCase{"TabWhileHiding", {{"Hide built-in Tabs", "1"}, {"Review", "x"}}, "Review", "x"},
                    FailureCase{"Left", {{"Left", "1 1"}}, "Left", "1 1"},
                    FailureCase{"All", {{"All", "true"}}, "All", "true"},
                    FailureCase{"AllAfterGoodOthers", {{"Left", "0"}, {"All", "1x"}}, "All", "1x"}),
    [](const auto& info) { return info.param.name; });

TEST(RibbonDocumentTest, HugeTabValuesFailAsAnOverflowNamingTheKey) {
  FixedHost host;
  RibbonAssembler assembler;
  try {
    Assemble(assembler, host, StoreOf({{"Hide built-in Tabs", "1"}, {"Insert", "1e300"}}));
    FAIL();
  } catch (const AssemblyError& error) {
    EXPECT_EQ(error.GetReason(), AssemblyError::Reason::Overflow);
    EXPECT_EQ(error.Key(), "Insert");
  }
}

TEST(RibbonDocumentTest, MissingOrFailingHostFailsCleanly) {
  RibbonAssembler assembler;
  const SettingsSnapshot store((MemorySettingsStore()));
  try {
    assembler.GetRibbonXML(nullptr, store);
    FAIL();
  } catch (const AssemblyError& error) {
    EXPECT_EQ(error.GetReason(), AssemblyError::Reason::NoHost);
  }
  FixedHost nameless(std::nullopt);
  try {
    assembler.GetRibbonXML(&nameless, store);
    FAIL();
  } catch (const AssemblyError& error) {
    EXPECT_EQ(error.GetReason(), AssemblyError::Reason::HostFailed);
    EXPECT_EQ(error.HostStatus(), FixedHost::kNoNameStatus);
  }
}

TEST(RibbonDocumentTest, UnreadableStoreFailsNamingTheKey) {
  FixedHost host;
  RibbonAssembler assembler;
  try {
    Assemble(assembler, host, FailingStore("Left"));
    FAIL();
  } catch (const AssemblyError& error) {
    EXPECT_EQ(error.GetReason(), AssemblyError::Reason::StoreFailed);
    EXPECT_EQ(error.Key(), "Left");
  }
}

struct PolicyCase {
  std::string name;
  Settings policy;
  Settings own;
  std::optional<std::string> expectedStart;  // what follows <customUI ...>; "": empty text; nothing: a failure
  friend void PrintTo(const PolicyCase& c, std::ostream* os) { *os << c.name; }
};

class EnforcedSettingsTest : public testing::TestWithParam<PolicyCase> {};

TEST_P(EnforcedSettingsTest, OwnValuesCannotUndoThePolicy) {
  MemorySettingsStore machine = StoreOf(GetParam().policy);
  MemorySettingsStore own = StoreOf(GetParam().own);
  const PolicySource policies[] = {{"machine", &machine}};
  FixedHost host;
  RibbonAssembler assembler;
  std::optional<std::string> document;
  try {
    document = assembler.GetRibbonXML(&host, SettingsSnapshot(policies, own)).markup;
  } catch (const AssemblyError&) {
  }
  ASSERT_EQ(document.has_value(), GetParam().expectedStart.has_value());
  if (!document || GetParam().expectedStart->empty()) {
    EXPECT_EQ(document.value_or(""), "");
    return;
  }
  ASSERT_TRUE(document->starts_with(kRoot)) << *document;
  EXPECT_EQ(document->substr(kRoot.size(), GetParam().expectedStart->size()), *GetParam().expectedStart);
  EXPECT_TRUE(ParsedRibbon(*document).WellFormed());
}

const Settings kHomeEnforced = {{"Hide built-in Tabs", "1"}, {"Home", "1"}};
constexpr std::string_view kHomeHidden = R"(<ribbon><tabs><tab idMso="TabHome" visible="false"/>)";

INSTANTIATE_TEST_SUITE_P(
    Policies, EnforcedSettingsTest,
    testing::Values(PolicyCase{"HiddenTabsStayWithoutTheClassicTab",
                               kHomeEnforced,
                               {{"Classic", "0"}},
                               std::string(kHomeHidden) + "</tabs></ribbon></customUI>"},
                    PolicyCase{"OwnTabsDoNotMatterWithoutTheClassicTab",
                               kHomeEnforced,
                               {{"Classic", "0"}, {"Review", "1"}},
                               std::string(kHomeHidden) + "</tabs></ribbon></customUI>"},
                    PolicyCase{"OwnValueThatIsNotANumberTakesItsDefault",
                               With(kHomeEnforced, {{"Classic", "1"}}),
                               {{"Left", "x"}},
                               std::string(kHomeHidden) + R"(<tab id="Menus" label="Classic" insertBeforeMso=)"},
                    PolicyCase{"HugeOwnTabValueCannotOverflow",
                               With(kHomeEnforced, {{"Classic", "1"}}),
                               {{"Insert", "1e300"}},
                               std::string(kHomeHidden) + R"(<tab id="Menus")"},
                    PolicyCase{"OwnValuesAddingUpToNineKeepATabThePolicyShows",
                               {{"Hide built-in Tabs", "1"}, {"Home", "0"}},
                               {{"Insert", "9"}},
                               R"(<ribbon><tabs><tab id="Menus")"},
                    PolicyCase{"EveryTabOnStillStartsFromScratch",
                               {{"Hide built-in Tabs", "1"}},
                               kAllNineTabs,
                               R"(<ribbon startFromScratch="true"><tabs><tab id="Menus")"},
                    PolicyCase{"ThePolicysBadValueStillFails", {{"Left", "x"}}, {}, std::nullopt},
                    // Without a policy the own store's rules stay as they are.
                    PolicyCase{"NoPolicyOwnValuesAddUp",
                               {},
                               {{"Hide built-in Tabs", "1"}, {"Insert", "9"}},
                               R"(<ribbon startFromScratch="true"><tabs>)"},
                    PolicyCase{"NoPolicyBadOwnValueFails", {}, {{"Left", "x"}}, std::nullopt},
                    PolicyCase{"NoPolicyClassicOffIsEmpty", {}, With(kHomeEnforced, {{"Classic", "0"}}), ""}),
    [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace quillmere
