#include "installer/wix_registry.h"

#include <gtest/gtest.h>

#include <ostream>
#include <stdexcept>
#include <vector>

namespace quillmere {
namespace {

using Kind = InstallerValueKind;
using Source = InstallerValueSource;

// The one RegistryValue line the include file holds for a single value.
std::string ElementFor(const InstallerRegistryValue& value) {
  const std::vector<InstallerRegistryValue> values{value};
  const std::string include = WixRegistryInclude(values, "TessivarDll", "INSTALLDIR");
  const auto begin = include.find("  <RegistryValue");
  const auto end = include.find('\n', begin);
  return begin == std::string::npos ? std::string() : include.substr(begin + 2, end - begin - 2);
}

struct ElementCase {
  const char* name;
  InstallerRegistryValue value;
  const char* element;
};
void PrintTo(const ElementCase& c, std::ostream* os) { *os << c.name; }

class WixRegistryElement : public testing::TestWithParam<ElementCase> {};

TEST_P(WixRegistryElement, WritesTheValueExactlyOnce) { EXPECT_EQ(ElementFor(GetParam().value), GetParam().element); }

INSTANTIATE_TEST_SUITE_P(
    Values, WixRegistryElement,
    testing::Values(
        ElementCase{
            "DefaultValueHasNoName",
            {"Software\\Classes\\Halverin.Connect", "", Kind::String, Source::Literal, "Connect"},
            R"(<RegistryValue Root="HKMU" Key="Software\Classes\Halverin.Connect" Type="string" Value="Connect"/>)"},
        ElementCase{
            "NamedDword",
            {"Software\\Microsoft\\Office\\PowerPoint\\AddIns\\Halverin.Connect", "LoadBehavior", Kind::Dword,
             Source::Literal, "", 3},
            R"(<RegistryValue Root="HKMU" Key="Software\Microsoft\Office\PowerPoint\AddIns\Halverin.Connect" Name="LoadBehavior" Type="integer" Value="3"/>)"},
        ElementCase{
            "LibraryPathBecomesTheInstalledFile",
            {"Software\\Classes\\CLSID\\{0}\\InprocServer32", "", Kind::String, Source::LibraryPath, "ignored"},
            R"(<RegistryValue Root="HKMU" Key="Software\Classes\CLSID\{0}\InprocServer32" Type="string" Value="[#TessivarDll]"/>)"},
        ElementCase{
            "LibraryFolderBecomesTheInstallFolder",
            {"Software\\Classes\\TypeLib\\{1}\\1.0\\HELPDIR", "", Kind::String, Source::LibraryFolder, ""},
            R"(<RegistryValue Root="HKMU" Key="Software\Classes\TypeLib\{1}\1.0\HELPDIR" Type="string" Value="[INSTALLDIR]"/>)"},
        ElementCase{
            "BracketsAreNotPropertyReferences",
            {"Software\\[Key]", "[Name]", Kind::String, Source::Literal, "a[b]c"},
            R"(<RegistryValue Root="HKMU" Key="Software\[\[]Key[\]]" Name="[\[]Name[\]]" Type="string" Value="a[\[]b[\]]c"/>)"},
        ElementCase{
            "XmlSpecialCharactersAreEscaped",
            {"Software\\A&B", "q\"'", Kind::String, Source::Literal, "<x>"},
            R"(<RegistryValue Root="HKMU" Key="Software\A&amp;B" Name="q&quot;'" Type="string" Value="&lt;x&gt;"/>)"},
        ElementCase{"LargestNumberTheTableHolds",
                    {"Software\\K", "N", Kind::Dword, Source::Literal, "", 2147483647u},
                    R"(<RegistryValue Root="HKMU" Key="Software\K" Name="N" Type="integer" Value="2147483647"/>)"}),
    [](const auto& info) { return std::string(info.param.name); });

struct RejectedCase {
  const char* name;
  InstallerRegistryValue value;
};
void PrintTo(const RejectedCase& c, std::ostream* os) { *os << c.name; }

class WixRegistryRejects : public testing::TestWithParam<RejectedCase> {};

TEST_P(WixRegistryRejects, ValuesTheInstallerWouldWriteDifferently) {
  const std::vector<InstallerRegistryValue> values{GetParam().value};
  EXPECT_THROW(WixRegistryInclude(values, "TessivarDll", "INSTALLDIR"), std::invalid_argument);
}

INSTANTIATE_TEST_SUITE_P(
    Values, WixRegistryRejects,
    testing::Values(RejectedCase{"EmptyKey", {"", "N", Kind::String, Source::Literal, "v"}},
                    RejectedCase{"AbsoluteKey", {"\\Software\\K", "N", Kind::String, Source::Literal, "v"}},
                    RejectedCase{"TrailingBackslash", {"Software\\K\\", "N", Kind::String, Source::Literal, "v"}},
                    RejectedCase{"EmptyKeyComponent", {"Software\\\\K", "N", Kind::String, Source::Literal, "v"}},
                    RejectedCase{"LineBreakInValue", {"Software\\K", "N", Kind::String, Source::Literal, "a\nb"}},
                    RejectedCase{"CreateKeyMarker", {"Software\\K", "+", Kind::String, Source::Literal, ""}},
                    RejectedCase{"DeleteKeyMarker", {"Software\\K", "-", Kind::String, Source::Literal, ""}},
                    RejectedCase{"NumberBeyondSigned32Bits",
                                 {"Software\\K", "N", Kind::Dword, Source::Literal, "", 2147483648u}},
                    RejectedCase{"NumberFromPath", {"Software\\K", "N", Kind::Dword, Source::LibraryPath, ""}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(WixRegistryInclude, IsOneWellFormedIncludeWithEveryValueInOrder) {
  const std::vector<InstallerRegistryValue> values{
      {"Software\\A", "", Kind::String, Source::Literal, "1"},
      {"Software\\B", "", Kind::String, Source::Literal, "2"},
  };
  const std::string include = WixRegistryInclude(values, "TessivarDll", "INSTALLDIR");
  EXPECT_EQ(include.rfind("<?xml", 0), 0u);
  const auto a = include.find("Key=\"Software\\A\"");
  const auto b = include.find("Key=\"Software\\B\"");
  ASSERT_NE(a, std::string::npos);
  ASSERT_NE(b, std::string::npos);
  EXPECT_LT(a, b);
  EXPECT_LT(include.find("<Include"), a);
  EXPECT_GT(include.find("</Include>"), b);
}

}  // namespace
}  // namespace quillmere
