// The registry module's rules (what is absent, what is too large, what counts as a failure) and
// the failure it reports, in a fresh prefix's registry.
#include "common/registry_win.h"

#include <gtest/gtest.h>

#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "common/windows_error_win.h"

namespace quillmere {
namespace {

constexpr wchar_t kTestKey[] = L"Software\\Quillmere registry test";

class RegistryKeyTest : public testing::Test {
 protected:
  RegistryKeyTest() : key_(RegistryKey::Create(HKEY_CURRENT_USER, kTestKey, KEY_ALL_ACCESS)) {}
  ~RegistryKeyTest() override {
    key_.Release().reset();
    ::RegDeleteTreeW(HKEY_CURRENT_USER, kTestKey);
  }

  void PutBytes(const wchar_t* name, std::size_t size) {
    const std::vector<BYTE> data(size, 7);
    ASSERT_EQ(::RegSetValueExW(key_.get(), name, 0, REG_BINARY, data.data(), static_cast<DWORD>(size)), ERROR_SUCCESS);
  }

  RegistryKey key_;
};

TEST_F(RegistryKeyTest, WhatIsAbsentIsNothingToReadAndDoneToDelete) {
  EXPECT_FALSE(RegistryKey::Open(HKEY_CURRENT_USER, std::wstring(kTestKey) + L"\\absent", KEY_READ));
  EXPECT_FALSE(key_.Read(L"absent", 100));
  EXPECT_NO_THROW(key_.DeleteValue(L"absent"));
  EXPECT_NO_THROW(key_.DeleteSubkey(L"absent"));
  EXPECT_TRUE(key_.IsEmpty());
}

struct SizeCase {
  const char* name;
  std::size_t stored;
  DWORD cap;
};
void PrintTo(const SizeCase& c, std::ostream* os) { *os << c.name; }

class RegistryValueSize : public RegistryKeyTest, public testing::WithParamInterface<SizeCase> {};

// A value is read whole up to the cap and not at all above it, whatever the size of the first
// attempt to read it.
TEST_P(RegistryValueSize, IsReadUpToTheCapAndRefusedAboveIt) {
  const SizeCase& c = GetParam();
  PutBytes(L"value", c.stored);
  const auto value = key_.Read(L"value", c.cap);
  ASSERT_TRUE(value);
  EXPECT_EQ(value->type, static_cast<DWORD>(REG_BINARY));
  EXPECT_EQ(value->size, c.stored);
  EXPECT_EQ(value->oversized, c.stored > c.cap);
  EXPECT_EQ(value->data, value->oversized ? std::vector<BYTE>() : std::vector<BYTE>(c.stored, 7));
}

INSTANTIATE_TEST_SUITE_P(Sizes, RegistryValueSize,
                         testing::Values(SizeCase{"empty", 0, 16}, SizeCase{"small_at_cap", 16, 16},
                                         SizeCase{"small_above_cap", 17, 16}, SizeCase{"large_at_cap", 5000, 5000},
                                         SizeCase{"large_above_cap", 5001, 5000}),
                         [](const auto& info) { return std::string(info.param.name); });

// Each value read at its own size; one above the cap passed over, the rest still visited.
TEST_F(RegistryKeyTest, EveryValueIsVisitedButThoseAboveTheCap) {
  const std::map<std::wstring, std::size_t> stored = {{L"a", 10}, {L"b", 3000}, {L"c", 5000}, {L"d", 4096}};
  for (const auto& [name, size] : stored) PutBytes(name.c_str(), size);
  std::map<std::wstring, std::size_t> visited;
  key_.ForEachValue(4096, [&](std::wstring_view name, DWORD type, std::span<const BYTE> data) {
    EXPECT_EQ(type, static_cast<DWORD>(REG_BINARY));
    EXPECT_EQ(std::vector<BYTE>(data.begin(), data.end()), std::vector<BYTE>(data.size(), 7));
    visited[std::wstring(name)] = data.size();
  });
  EXPECT_EQ(visited, (std::map<std::wstring, std::size_t>{{L"a", 10}, {L"b", 3000}, {L"d", 4096}}));
}

TEST_F(RegistryKeyTest, OtherFailuresAreWindowsErrors) {
  const auto readOnly = RegistryKey::Open(HKEY_CURRENT_USER, kTestKey, KEY_QUERY_VALUE);
  ASSERT_TRUE(readOnly);
  try {
    readOnly->WriteNumber(L"Count", 1);
    ADD_FAILURE() << "written through a key opened for reading";
  } catch (const WindowsError& error) {
    EXPECT_EQ(error.Status(), HRESULT_FROM_WIN32(ERROR_ACCESS_DENIED));
    EXPECT_STREQ(error.what(), "writing registry value failed (error 5)");
  }
  const auto invalid = reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(0x1234));
  EXPECT_THROW(RegistryKey::Open(invalid, L"Software", KEY_READ), WindowsError);
  EXPECT_THROW(RegistryKey::Create(invalid, L"Software", KEY_ALL_ACCESS), WindowsError);
}

struct ErrorCase {
  const char* name;
  void (*fail)();
  HRESULT status;
  DWORD win32;
  const char* what;
};
void PrintTo(const ErrorCase& c, std::ostream* os) { *os << c.name; }

class WindowsErrorTest : public testing::TestWithParam<ErrorCase> {};

// One status whatever the call reported, the message the panel shows, and the system's text that
// the add-in's error information gives.
TEST_P(WindowsErrorTest, CarriesTheStatusAndNamesTheNumber) {
  const ErrorCase& c = GetParam();
  try {
    c.fail();
    FAIL() << "nothing thrown";
  } catch (const WindowsError& error) {
    EXPECT_EQ(error.Status(), c.status);
    EXPECT_EQ(error.Win32Code(), c.win32);
    EXPECT_STREQ(error.what(), c.what);
    EXPECT_EQ(error.SystemText(), std::system_category().message(static_cast<int>(c.win32)));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Codes, WindowsErrorTest,
    testing::Values(ErrorCase{"win32", [] { ThrowWin32("Opening it", ERROR_ACCESS_DENIED); }, E_ACCESSDENIED, 5,
                              "Opening it failed (error 5)"},
                    ErrorCase{"last_error",
                              [] {
                                ::SetLastError(ERROR_FILE_NOT_FOUND);
                                ThrowLastError("Opening it");
                              },
                              HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND), 2, "Opening it failed (error 2)"},
                    ErrorCase{"no_last_error",
                              [] {
                                ::SetLastError(0);
                                ThrowLastError("Opening it");
                              },
                              HRESULT_FROM_WIN32(ERROR_GEN_FAILURE), 31, "Opening it failed (error 31)"},
                    ErrorCase{"no_last_error_no_fallback",
                              [] {
                                ::SetLastError(0);
                                ThrowLastError("Opening it", kNoFallback);
                              },
                              S_OK, 0, "Opening it failed (error 0)"},
                    ErrorCase{"hresult", [] { ThrowHResult("Opening it", E_UNEXPECTED); }, E_UNEXPECTED, 0x8000FFFF,
                              "Opening it failed (error 0x8000FFFF)"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace quillmere
