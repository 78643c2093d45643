// What OK mends in PowerPoint's disabled items, against the registry of a fresh prefix.
#include "panel/powerpoint_win.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "common/unique_handle_win.h"

namespace quillmere {
namespace {

constexpr wchar_t kItems[] = L"Software\\Microsoft\\Office\\16.0\\PowerPoint\\Resiliency\\DisabledItems";
const std::wstring kOurs = L"C:\\Program Files\\Quillmere\\Tessivar.dll";

// The value PowerPoint writes when it disables the add-in at `path`.
std::vector<BYTE> Item(const std::wstring& path, const std::wstring& name) {
  std::vector<BYTE> bytes;
  for (const std::size_t number : {std::size_t{1}, (path.size() + 1) * 2, (name.size() + 1) * 2}) {
    for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<BYTE>(number >> (8 * i)));
  }
  for (const wchar_t unit : path + L'\0' + name + L'\0') {
    bytes.push_back(static_cast<BYTE>(unit & 0xFF));
    bytes.push_back(static_cast<BYTE>(unit >> 8));
  }
  return bytes;
}

// Another add-in's item of exactly `size` bytes, its file name grown to fit.
std::vector<BYTE> OtherItemOfSize(std::size_t size) {
  const std::wstring name = L"Other";
  const std::size_t units = (size - 12) / 2 - (name.size() + 1) - 1;
  std::wstring path = L"c:\\other\\";
  path.append(units - path.size() - 4, L'x');
  return Item(path + L".dll", name);
}

class DisabledItemsTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(::RegCreateKeyExW(HKEY_CURRENT_USER, kItems, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, key_.put(), nullptr),
              ERROR_SUCCESS);
  }
  void TearDown() override {
    key_ = UniqueHKey();
    ::RegDeleteKeyW(HKEY_CURRENT_USER, kItems);
  }

  void Put(const wchar_t* name, const std::vector<BYTE>& data) {
    ASSERT_EQ(::RegSetValueExW(key_.get(), name, 0, REG_BINARY, data.data(), static_cast<DWORD>(data.size())),
              ERROR_SUCCESS);
  }

  // The value's data; empty when it is gone.
  std::vector<BYTE> Data(const wchar_t* name) {
    DWORD size = 0;
    if (::RegQueryValueExW(key_.get(), name, nullptr, nullptr, nullptr, &size) != ERROR_SUCCESS) return {};
    std::vector<BYTE> data(size);
    if (::RegQueryValueExW(key_.get(), name, nullptr, nullptr, data.data(), &size) != ERROR_SUCCESS) return {};
    return data;
  }

  UniqueHKey key_;
};

// Other add-ins' items of growing sizes, and a value too large to be any item, come before ours.
TEST_F(DisabledItemsTest, ReadsEveryValueWhateverItsSize) {
  const std::vector<std::vector<BYTE>> others = {OtherItemOfSize(1496), OtherItemOfSize(3096),
                                                 std::vector<BYTE>((1u << 20) + 2, 7)};
  const wchar_t* const names[] = {L"A1", L"B2", L"B3"};
  for (std::size_t i = 0; i < others.size(); ++i) Put(names[i], others[i]);
  Put(L"C3", Item(L"c:\\program files\\quillmere\\tessivar.dll", L"Quillmere"));

  EXPECT_NO_THROW(RemoveDisabledLibraries({kOurs}));
  EXPECT_TRUE(Data(L"C3").empty());
  for (std::size_t i = 0; i < others.size(); ++i) EXPECT_EQ(Data(names[i]), others[i]) << names[i];
}

struct CaseCase {
  const char* name;
  std::wstring upper, lower;
  bool same;
};

void PrintTo(const CaseCase& c, std::ostream* out) { *out << c.name; }

class FileNameCaseTest : public DisabledItemsTest, public testing::WithParamInterface<CaseCase> {};

// Our library installed in a folder whose name is in capitals; PowerPoint's item names it in
// lower case. The comparison Windows XP takes agrees.
TEST_P(FileNameCaseTest, OurItemMatchesAsWindowsComparesFileNames) {
  const auto& c = GetParam();
  Put(L"item", Item(L"c:\\" + c.lower + L"\\quillmere\\tessivar.dll", L"Quillmere"));
  EXPECT_NO_THROW(RemoveDisabledLibraries({L"C:\\" + c.upper + L"\\Quillmere\\Tessivar.dll"}));
  EXPECT_EQ(Data(L"item").empty(), c.same);
  const std::u16string upper(c.upper.begin(), c.upper.end()), lower(c.lower.begin(), c.lower.end());
  EXPECT_EQ(SameFileNameTextByUpperCase(upper, lower), c.same);
}

INSTANTIATE_TEST_SUITE_P(
    Scripts, FileNameCaseTest,
    testing::Values(CaseCase{"Ascii", L"ANNA", L"anna", true},
                    CaseCase{"GreekWithTonos", L"\u0386\u039D\u039D\u0391", L"\u03AC\u03BD\u03BD\u03B1", true},
                    CaseCase{"VietnameseLatin", L"\u1EC4", L"\u1EC5", true},
                    CaseCase{"CyrillicYat", L"\u0462", L"\u0463", true},
                    CaseCase{"LatinWithCaron", L"\u01CD", L"\u01CE", true},
                    CaseCase{"Fullwidth", L"\uFF21", L"\uFF41", true}, CaseCase{"Armenian", L"\u0531", L"\u0561", true},
                    // Another folder: an accent is no letter case.
                    CaseCase{"AccentDiffers", L"\u0386\u039D\u039D\u0391", L"\u03B1\u03BD\u03BD\u03B1", false},
                    // The Kelvin sign's lower case is "k", but Windows upper-cases "k" to "K": two folders.
                    CaseCase{"KelvinSign", L"\u212A", L"k", false},
                    // Longer than the piece Windows XP's way upper-cases at a time.
                    CaseCase{"LongName", std::wstring(300, L'\u0386'), std::wstring(300, L'\u03AC'), true},
                    CaseCase{"LongNameDiffersAtTheEnd", std::wstring(299, L'A') + L'B', std::wstring(300, L'a'),
                             false}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace quillmere
