#include "addin/markup_emitters.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace quillmere {
namespace {

struct EmitterCase {
  std::string name;
  std::function<void(MarkupEmitters&)> call;
  std::string expected;
  friend void PrintTo(const EmitterCase& c, std::ostream* os) { *os << c.name; }
};

class EmitterTest : public testing::TestWithParam<EmitterCase> {};

TEST_P(EmitterTest, AppendsExactlyOneElement) {
  MarkupEmitters out;
  out.Append("<x>");
  GetParam().call(out);
  EXPECT_EQ(out.MarkupBuffer(), "<x>" + GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Elements, EmitterTest,
    testing::Values(
        EmitterCase{"MenuItemBuiltIn", [](auto& o) { o.AddMenuItem("FileClose", "Close", "", "", ""); },
                    R"(<control idMso="FileClose" label="Close"/>)"},
        EmitterCase{"MenuItemWithoutLabel", [](auto& o) { o.AddMenuItem("Undo", "", "", "", ""); },
                    R"(<control idMso="Undo"/>)"},
        EmitterCase{"MenuItemBlankLabelIsWritten", [](auto& o) { o.AddMenuItem("Undo", " ", "", "", ""); },
                    R"(<control idMso="Undo" label=" "/>)"},
        EmitterCase{"MenuItemAllAttributesInOrder", [](auto& o) { o.AddMenuItem("A", "B", "C", "D", "E"); },
                    R"(<control idMso="A" label="B" imageMso="C" screentip="D" onAction="E"/>)"},
        EmitterCase{"MenuItemCustomButton", [](auto& o) { o.AddMenuItem("", "Go", "", "", "Run0"); },
                    R"(<button id="sep001" label="Go" onAction="Run0"/>)"},
        EmitterCase{"GalleryBuiltIn", [](auto& o) { o.AddGalleryItem("AnimationGallery", "Animate", "", "", ""); },
                    R"(<gallery idMso="AnimationGallery" label="Animate"/>)"},
        EmitterCase{"GalleryCustomIsAButton", [](auto& o) { o.AddGalleryItem("", "Go", "", "", ""); },
                    R"(<button id="sep001" label="Go"/>)"},
        EmitterCase{"ToolButtonPlain", [](auto& o) { o.AddToolButton("FileSave", "", "", ""); },
                    R"(<control idMso="FileSave" showLabel="false"/>)"},
        EmitterCase{"ToolButtonImage", [](auto& o) { o.AddToolButton("ViewGridlines", "", "ViewGridlines", ""); },
                    R"(<control idMso="ViewGridlines" imageMso="ViewGridlines" showLabel="false"/>)"},
        EmitterCase{"ToolButtonScreentipBeforeImage", [](auto& o) { o.AddToolButton("A", "tip", "img", "act"); },
                    R"(<control idMso="A" screentip="tip" imageMso="img" onAction="act" showLabel="false"/>)"},
        EmitterCase{"ToolButtonCustom", [](auto& o) { o.AddToolButton("", "tip", "", ""); },
                    R"(<button id="sep001" screentip="tip" showLabel="false"/>)"},
        EmitterCase{"ComboBox", [](auto& o) { o.AddComboBox("Font"); }, R"(<comboBox idMso="Font"/>)"},
        EmitterCase{"ComboBoxEmptyIdStillWritten", [](auto& o) { o.AddComboBox(""); }, R"(<comboBox idMso=""/>)"},
        EmitterCase{"OpenButtonGroup", [](auto& o) { o.OpenButtonGroup(); }, R"(<buttonGroup id="btnGr001">)"},
        EmitterCase{"CloseButtonGroup", [](auto& o) { o.CloseButtonGroup(); }, "</buttonGroup>"},
        EmitterCase{"SpacerWide", [](auto& o) { o.AddSpacer("  "); },
                    R"(<button id="sep001" label="  " enabled="false"/>)"},
        EmitterCase{"SpacerEmptyLabelStillWritten", [](auto& o) { o.AddSpacer(""); },
                    R"(<button id="sep001" label="" enabled="false"/>)"},
        EmitterCase{"MenuSeparator", [](auto& o) { o.AddMenuSeparator(); }, R"(<menuSeparator id="msep001d"/>)"},
        EmitterCase{"OpenMenuLabelOnly", [](auto& o) { o.OpenMenu("All", "", ""); },
                    R"(<menu id="BR32341" label="All" tag = "BR32341">)"},
        EmitterCase{
            "OpenMenuImageAndTipNoLabel",
            [](auto& o) { o.OpenMenu("", "ViewDisplayInPureBlackAndWhite", "Color/Grayscale"); },
            R"(<menu id="BR32341" imageMso="ViewDisplayInPureBlackAndWhite" screentip="Color/Grayscale" tag = "BR32341">)"},
        EmitterCase{"CloseMenuWithoutPass", [](auto& o) { o.CloseMenu(true); }, "</menu>"},
        EmitterCase{"CloseMenuPassOneSpacer",
                    [](auto& o) {
                      o.SetMenuPass(1);
                      o.CloseMenu(true);
                    },
                    R"(</menu><button id="sep001" label=" " enabled="false"/>)"},
        EmitterCase{"CloseMenuPassOneNoFlag",
                    [](auto& o) {
                      o.SetMenuPass(1);
                      o.CloseMenu(false);
                    },
                    "</menu>"},
        EmitterCase{"CloseMenuPassTwo",
                    [](auto& o) {
                      o.SetMenuPass(2);
                      o.CloseMenu(true);
                    },
                    "</menu>"}),
    [](const auto& info) { return info.param.name; });

TEST(EmitterIdsTest, NumbersHaveNoPaddingOfTheirOwn) {
  MarkupEmitters out;
  for (int i = 0; i < 10; ++i) out.AddSpacer(" ");
  EXPECT_NE(out.MarkupBuffer().find(R"(<button id="sep009" )"), std::string::npos);
  EXPECT_TRUE(out.MarkupBuffer().ends_with(R"(<button id="sep0010" label=" " enabled="false"/>)"));
  for (int i = 0; i < 3; ++i) out.AddMenuSeparator();
  EXPECT_TRUE(out.MarkupBuffer().ends_with(R"(<menuSeparator id="msep003d"/>)"));
}

TEST(EmitterIdsTest, SpacersAndCustomButtonsShareOneSequence) {
  MarkupEmitters out;
  out.AddSpacer("  ");
  out.AddMenuItem("", "Custom", "", "", "");
  out.AddSpacer("  ");
  EXPECT_EQ(out.MarkupBuffer(),
            R"(<button id="sep001" label="  " enabled="false"/><button id="sep002" label="Custom"/>)"
            R"(<button id="sep003" label="  " enabled="false"/>)");
}

TEST(EmitterIdsTest, ResetStartsEveryCounterAgainButKeepsThePass) {
  MarkupEmitters out;
  out.SetMenuPass(2);
  const auto everyKind = [&] {
    out.OpenButtonGroup();
    out.AddSpacer(" ");
    out.AddMenuSeparator();
    out.OpenMenu("m", "", "");
    out.CloseMenu(true);  // no spacer in pass 2
  };
  everyKind();
  const std::string first(out.MarkupBuffer());
  out.ResetCounters();
  out.ClearBuffer();
  everyKind();
  EXPECT_EQ(out.MarkupBuffer(), first);
  EXPECT_EQ(first, R"(<buttonGroup id="btnGr001"><button id="sep001" label=" " enabled="false"/>)"
                   R"(<menuSeparator id="msep001d"/><menu id="BR32341" label="m" tag = "BR32341"></menu>)");
}

}  // namespace
}  // namespace quillmere
