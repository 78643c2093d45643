#include "common/registry_settings_store_win.h"

#include <gtest/gtest.h>

#include <cstring>
#include <ostream>
#include <vector>

#include "common/unique_handle_win.h"

namespace quillmere {
namespace {

// Each test works in its own section so that the tests of one run never see each other.
class RegistryStoreTest : public testing::Test {
 protected:
  RegistryStoreTest()
      : section_(testing::UnitTest::GetInstance()->current_test_info()->name()), store_("Varnholt-test", section_) {}
  ~RegistryStoreTest() override { ::RegDeleteTreeW(HKEY_CURRENT_USER, store_.KeyPath().c_str()); }

  void SetRaw(const wchar_t* name, DWORD type, const void* data, DWORD size) {
    UniqueHKey key;
    ASSERT_EQ(::RegCreateKeyExW(HKEY_CURRENT_USER, store_.KeyPath().c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                                key.put(), nullptr),
              ERROR_SUCCESS);
    ASSERT_EQ(::RegSetValueExW(key.get(), name, 0, type, static_cast<const BYTE*>(data), size), ERROR_SUCCESS);
  }

  std::vector<BYTE> GetRaw(const wchar_t* name, DWORD* type) {
    DWORD size = 0;
    EXPECT_EQ(::RegGetValueW(HKEY_CURRENT_USER, store_.KeyPath().c_str(), name, RRF_RT_ANY | RRF_NOEXPAND, type,
                             nullptr, &size),
              ERROR_SUCCESS);
    std::vector<BYTE> data(size);
    EXPECT_EQ(::RegGetValueW(HKEY_CURRENT_USER, store_.KeyPath().c_str(), name, RRF_RT_ANY | RRF_NOEXPAND, type,
                             data.data(), &size),
              ERROR_SUCCESS);
    data.resize(size);
    return data;
  }

  std::string section_;
  RegistrySettingsStore store_;
};

TEST(RegistryStoreLocation, IsTheClassicPerUserSettingsKey) {
  EXPECT_EQ(RegistrySettingsStore().KeyPath(), L"Software\\VB and VBA Program Settings\\Varnholt\\Quillmere");
}

TEST(RegistryStoreLocation, AbsentApplicationSectionOrKeyReadsAsNothingAndCreatesNothing) {
  RegistrySettingsStore noApplication("Varnholt-absent", "Quillmere");
  EXPECT_EQ(noApplication.Read("Classic"), std::nullopt);
  UniqueHKey probe;
  EXPECT_EQ(::RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\VB and VBA Program Settings\\Varnholt-absent", 0, KEY_READ,
                            probe.put()),
            ERROR_FILE_NOT_FOUND);

  RegistrySettingsStore sibling("Varnholt-absent", "Other");
  sibling.Write("Classic", "1");
  EXPECT_EQ(noApplication.Read("Classic"), std::nullopt) << "section absent, application present";
  RegistrySettingsStore section("Varnholt-absent", "Quillmere");
  section.Write("Left", "0");
  EXPECT_EQ(noApplication.Read("Classic"), std::nullopt) << "key absent, section present";
  ::RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\VB and VBA Program Settings\\Varnholt-absent");
}

TEST_F(RegistryStoreTest, WriteCreatesTheSectionAndStoresAStringValue) {
  store_.Write("Hide built-in Tabs", "1");
  DWORD type = 0;
  auto data = GetRaw(L"Hide built-in Tabs", &type);
  EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(data.size(), 2 * sizeof(wchar_t)) << "\"1\" and its terminator";
  EXPECT_EQ(store_.Read("Hide built-in Tabs"), "1");
}

TEST_F(RegistryStoreTest, WriteReplacesAndKeyNamesIgnoreCase) {
  store_.Write("Slide Show", "1");
  store_.Write("SLIDE SHOW", "0");
  EXPECT_EQ(store_.Read("slide show"), "0");
}

struct TextCase {
  const char* name;
  std::string utf8;
  std::wstring stored;
};
void PrintTo(const TextCase& c, std::ostream* os) { *os << c.name; }

class RegistryStoreText : public RegistryStoreTest, public testing::WithParamInterface<TextCase> {};

// What is written is stored as the same UTF-16 text and read back byte for byte.
TEST_P(RegistryStoreText, SurvivesTheRegistryExactly) {
  const TextCase& c = GetParam();
  store_.Write("Classic", c.utf8);
  DWORD type = 0;
  auto data = GetRaw(L"Classic", &type);
  ASSERT_EQ(data.size(), (c.stored.size() + 1) * sizeof(wchar_t));
  EXPECT_EQ(std::wstring(reinterpret_cast<const wchar_t*>(data.data()), c.stored.size()), c.stored);
  EXPECT_EQ(store_.Read("Classic"), c.utf8);
}

INSTANTIATE_TEST_SUITE_P(Texts, RegistryStoreText,
                         testing::Values(TextCase{"digit", "1", L"1"}, TextCase{"empty", "", L""},
                                         TextCase{"blanks_and_sign", " +1.0e0 ", L" +1.0e0 "},
                                         TextCase{"ellipsis", "\xe2\x80\xa6", L"\u2026"},
                                         TextCase{"beyond_bmp", "\xf0\x9d\x84\x9e", L"\xd834\xdd1e"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(RegistryStoreTest, KeyNamesBeyondAsciiWork) {
  store_.Write("Cl\xc3\xa4ssic", "1");
  EXPECT_EQ(store_.Read("Cl\xc3\xa4ssic"), "1");
  EXPECT_EQ(store_.Read("Classic"), std::nullopt);
}

TEST_F(RegistryStoreTest, LoneSurrogateWrittenByAnotherProgramComesBackUnchanged) {
  const wchar_t text[] = {L'1', 0xD800, 0};
  SetRaw(L"Classic", REG_SZ, text, sizeof text);
  auto read = store_.Read("Classic");
  ASSERT_TRUE(read.has_value());
  store_.Write("Copy", *read);
  DWORD type = 0;
  auto data = GetRaw(L"Copy", &type);
  ASSERT_EQ(data.size(), sizeof text);
  EXPECT_EQ(std::memcmp(data.data(), text, sizeof text), 0);
}

TEST_F(RegistryStoreTest, TextThatCannotBeStoredIsRefusedAndNothingIsWritten) {
  EXPECT_THROW(store_.Write("Classic", "\xff"), SettingsStoreError);
  EXPECT_THROW(store_.Write("Classic", std::string("1\0"
                                                   "2",
                                                   3)),
               SettingsStoreError);
  EXPECT_THROW(store_.Write("Cl\xc3", "1"), SettingsStoreError);
  EXPECT_EQ(store_.Read("Classic"), std::nullopt);
}

// No setting needs more than 16 KiB: a larger value fails naming the key and its size.
TEST_F(RegistryStoreTest, ValueAboveTheSizeCapCannotBeRead) {
  const std::wstring atCap(8 * 1024 - 1, L'1');  // 16 KiB with its terminator
  SetRaw(L"Left", REG_SZ, atCap.c_str(), static_cast<DWORD>((atCap.size() + 1) * sizeof(wchar_t)));
  EXPECT_EQ(store_.Read("Left"), std::string(atCap.size(), '1'));
  const std::wstring aboveCap(atCap.size() + 1, L'1');
  SetRaw(L"Left", REG_SZ, aboveCap.c_str(), static_cast<DWORD>((aboveCap.size() + 1) * sizeof(wchar_t)));
  try {
    store_.Read("Left");
    FAIL() << "read";
  } catch (const SettingsStoreError& error) {
    EXPECT_NE(std::string(error.what()).find("\"Left\" holds 16386 bytes"), std::string::npos) << error.what();
  }
}

// Values an administrator may have set by hand, and how they read.
struct RawCase {
  const char* name;
  DWORD type;
  std::vector<BYTE> data;
  std::optional<std::string> expected;  // nothing: a SettingsStoreError
};
void PrintTo(const RawCase& c, std::ostream* os) { *os << c.name; }

std::vector<BYTE> Bytes(std::wstring_view text, bool terminator) {
  const auto* begin = reinterpret_cast<const BYTE*>(text.data());
  std::vector<BYTE> bytes(begin, begin + text.size() * sizeof(wchar_t));
  if (terminator) bytes.insert(bytes.end(), sizeof(wchar_t), 0);
  return bytes;
}
std::vector<BYTE> Dword(DWORD value) {
  const auto* begin = reinterpret_cast<const BYTE*>(&value);
  return {begin, begin + sizeof value};
}

class RegistryStoreRaw : public RegistryStoreTest, public testing::WithParamInterface<RawCase> {};

TEST_P(RegistryStoreRaw, ReadsAsExpected) {
  const RawCase& c = GetParam();
  SetRaw(L"Left", c.type, c.data.data(), static_cast<DWORD>(c.data.size()));
  if (c.expected) {
    EXPECT_EQ(store_.Read("Left"), c.expected);
  } else {
    EXPECT_THROW(store_.Read("Left"), SettingsStoreError);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Types, RegistryStoreRaw,
    testing::Values(RawCase{"sz", REG_SZ, Bytes(L"1", true), "1"},
                    RawCase{"sz_without_terminator", REG_SZ, Bytes(L"10", false), "10"},
                    RawCase{"sz_with_junk_after_terminator", REG_SZ,
                            Bytes(std::wstring_view(L"1\0"
                                                    L"9",
                                                    3),
                                  true),
                            "1"},
                    RawCase{"sz_empty_data", REG_SZ, {}, ""}, RawCase{"sz_odd_byte_count", REG_SZ, {'1', 0, '2'}, "1"},
                    RawCase{"expand_sz_not_expanded", REG_EXPAND_SZ, Bytes(L"%SystemRoot%", true), "%SystemRoot%"},
                    RawCase{"long_sz", REG_SZ, Bytes(std::wstring(5000, L'7'), true), std::string(5000, '7')},
                    RawCase{"dword_one", REG_DWORD, Dword(1), "1"}, RawCase{"dword_zero", REG_DWORD, Dword(0), "0"},
                    RawCase{"dword_all_bits", REG_DWORD, Dword(0xFFFFFFFF), "4294967295"},
                    RawCase{"binary", REG_BINARY, {'1', 0}, std::nullopt},
                    RawCase{"multi_sz", REG_MULTI_SZ, Bytes(std::wstring_view(L"1\0", 2), true), std::nullopt},
                    RawCase{"qword", REG_QWORD, {1, 0, 0, 0, 0, 0, 0, 0}, std::nullopt},
                    RawCase{"dword_short", REG_DWORD, {1, 0}, std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace quillmere
