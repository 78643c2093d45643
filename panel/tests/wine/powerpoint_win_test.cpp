// What OK mends in PowerPoint's disabled items, against the registry of a fresh prefix.
#include "panel/powerpoint_win.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace quillmere
