#include "panel/disabled_items.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <vector>

namespace quillmere {
namespace {

const std::u16string kOurs = u"C:\\Program Files\\Quillmere\\Tessivar.dll";

void PutU32(std::vector<std::byte>& bytes, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<std::byte>(value >> (8 * i)));
}

void PutText(std::vector<std::byte>& bytes, std::u16string_view text) {
  for (char16_t unit : text) {
    bytes.push_back(static_cast<std::byte>(unit & 0xFF));
    bytes.push_back(static_cast<std::byte>(unit >> 8));
  }
}

const std::u16string kLowerOurs = u"c:\\program files\\quillmere\\tessivar.dll";

// An item as PowerPoint writes it; the lengths and type may be overridden to break it.
struct Item {
  std::u16string path = kLowerOurs;
  std::u16string name = u"Quillmere";
  std::uint32_t type = 1;
  std::optional<std::uint32_t> pathBytes{};
  std::optional<std::uint32_t> nameBytes{};
  bool terminated = true;
  std::size_t cutTo = SIZE_MAX;
};

std::vector<std::byte> Bytes(const Item& item) {
  const auto zero = item.terminated ? std::u16string(1, u'\0') : std::u16string();
  std::vector<std::byte> bytes;
  PutU32(bytes, item.type);
  PutU32(bytes, item.pathBytes.value_or(static_cast<std::uint32_t>((item.path.size() + zero.size()) * 2)));
  PutU32(bytes, item.nameBytes.value_or(static_cast<std::uint32_t>((item.name.size() + zero.size()) * 2)));
  PutText(bytes, item.path + zero);
  PutText(bytes, item.name + zero);
  if (item.cutTo < bytes.size()) bytes.resize(item.cutTo);
  return bytes;
}

struct ItemCase {
  const char* name;
  Item item;
  bool ours;
};

void PrintTo(const ItemCase& c, std::ostream* out) { *out << c.name; }

class DisabledItemTest : public testing::TestWithParam<ItemCase> {};

// Each value is checked in a buffer of exactly its size, so the sanitizers catch any read past it.
TEST_P(DisabledItemTest, OnlyAWellFormedItemNamingOurLibraryMatches) {
  const auto bytes = Bytes(GetParam().item);
  const std::vector<std::u16string> libraries = {u"D:\\elsewhere\\Tessivar.dll", kOurs};
  EXPECT_EQ(DisablesOneOf(bytes, libraries), GetParam().ours);
}

INSTANTIATE_TEST_SUITE_P(
    Items, DisabledItemTest,
    testing::Values(
        ItemCase{"OursInLowerCase", {}, true},
        ItemCase{
            "OursWithOtherSeparatorsAndPrefix", {.path = u"\\\\?\\C:/Program Files//Quillmere\\TESSIVAR.DLL"}, true},
        ItemCase{"EmptyFriendlyName", {.name = u""}, true},
        ItemCase{"NoFriendlyNameAtAll", {.name = u"", .nameBytes = 0, .cutTo = 12 + 82}, true},
        ItemCase{"PathPaddedWithZeros", {.path = kLowerOurs + std::u16string(3, u'\0')}, true},
        ItemCase{"AnotherAddIn", {.path = u"c:\\program files\\other\\other.dll"}, false},
        ItemCase{"OurFolderOnly", {.path = u"c:\\program files\\quillmere"}, false},
        ItemCase{"OurNameWithMore", {.path = u"c:\\program files\\quillmere\\tessivar.dll.old"}, false},
        ItemCase{"NotAnAddIn", {.type = 2}, false}, ItemCase{"SixBytes", {.cutTo = 6}, false},
        ItemCase{"HeaderOnly", {.cutTo = 12}, false}, ItemCase{"NameCutShort", {.cutTo = 12 + 82 + 10}, false},
        ItemCase{"PathLengthPastTheEnd", {.pathBytes = 4000}, false},
        ItemCase{"LengthsOverflowTogether", {.pathBytes = 82, .nameBytes = 0xFFFFFFF0}, false},
        ItemCase{"OddPathLength", {.pathBytes = 81}, false}, ItemCase{"ZeroPathLength", {.pathBytes = 0}, false},
        ItemCase{"PathWithoutTerminator", {.terminated = false}, false},
        ItemCase{"ZeroInsidePath", {.path = std::u16string(u"c:\\a\0b\\tessivar.dll", 20)}, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DisabledItemTest, ReadsThePathOfAWellFormedItem) {
  EXPECT_EQ(DisabledAddInPath(Bytes({.path = u"c:\\x\\tessivar.dll"})), u"c:\\x\\tessivar.dll");
  EXPECT_EQ(DisabledAddInPath(Bytes({.pathBytes = 81})), std::nullopt);
}

struct PathCase {
  const char* name;
  std::u16string_view a, b;
  bool same;
};

void PrintTo(const PathCase& c, std::ostream* out) { *out << c.name; }

class SameLibraryPathTest : public testing::TestWithParam<PathCase> {};

TEST_P(SameLibraryPathTest, ComparesAsWindowsNamesFiles) {
  EXPECT_EQ(SameLibraryPath(GetParam().a, GetParam().b), GetParam().same);
  EXPECT_EQ(SameLibraryPath(GetParam().b, GetParam().a), GetParam().same);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, SameLibraryPathTest,
    testing::Values(
        PathCase{"LatinOne", u"C:\\Users\\JÖRG\\AppData\\Tessivar.dll", u"c:\\users\\jörg\\appdata\\tessivar.dll",
                 true},
        PathCase{"LatinExtended", u"C:\\Users\\ŁUKASZ\\Tessivar.dll", u"c:\\users\\łukasz\\tessivar.dll", true},
        PathCase{"Cyrillic", u"C:\\Пользователь\\Tessivar.dll", u"c:\\пользователь\\tessivar.dll", true},
        PathCase{"NetworkShare", u"\\\\server\\share\\Tessivar.dll", u"\\\\SERVER\\share\\\\Tessivar.dll", true},
        PathCase{"LongNetworkPath", u"\\\\?\\UNC\\server\\share\\Tessivar.dll", u"\\\\Server\\share\\Tessivar.dll",
                 true},
        PathCase{"UncIsAFolderWithoutThePrefix", u"\\\\?\\UNC\\server\\share\\Tessivar.dll",
                 u"UNC\\server\\share\\Tessivar.dll", false},
        PathCase{"ShareIsNotRooted", u"\\\\server\\share\\Tessivar.dll", u"\\server\\share\\Tessivar.dll", false},
        PathCase{"AccentsDiffer", u"C:\\Users\\Jorg\\Tessivar.dll", u"C:\\Users\\Jörg\\Tessivar.dll", false}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace quillmere
