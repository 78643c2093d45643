// What DllRegisterServer writes and DllUnregisterServer removes, checked against the shared
// registration table, value by value.

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/registration_table.h"
#include "common/unique_handle_win.h"
#include "common/utf16_text.h"

namespace quillmere {
namespace {

constexpr ModuleBitness kThisBuild = sizeof(void*) == 8 ? ModuleBitness::Bits64 : ModuleBitness::Bits32;

std::wstring LibraryPath() {
  wchar_t path[MAX_PATH];
  DWORD length = ::GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder(path, length);
  return folder.substr(0, folder.rfind(L'\\') + 1) + L"Tessivar.dll";
}

class Registration : public testing::Test {
 protected:
  static void SetUpTestSuite() { library_ = ::LoadLibraryW(LibraryPath().c_str()); }
  static void TearDownTestSuite() { ::FreeLibrary(library_); }
  void SetUp() override { ASSERT_NE(library_, nullptr); }
  void TearDown() override { Call("DllUnregisterServer"); }

  static HRESULT Call(const char* name) {
    using Export = HRESULT(STDAPICALLTYPE*)();
    auto function = reinterpret_cast<Export>(reinterpret_cast<void*>(::GetProcAddress(library_, name)));
    return function != nullptr ? function() : E_NOTIMPL;
  }

  static bool KeyExists(const std::wstring& path) {
    UniqueHKey key;
    return ::RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, key.put()) == ERROR_SUCCESS;
  }

  // The stored value as the table would write it, or a note of what is wrong.
  static std::wstring Stored(const RegistrationEntry& entry, DWORD* type) {
    DWORD size = 0;
    const std::wstring key = Utf8ToWide(entry.key), name = Utf8ToWide(entry.name);
    const wchar_t* valueName = name.empty() ? nullptr : name.c_str();
    if (::RegGetValueW(HKEY_CURRENT_USER, key.c_str(), valueName, RRF_RT_ANY | RRF_NOEXPAND, type, nullptr, &size) !=
        ERROR_SUCCESS) {
      return L"<absent>";
    }
    std::vector<BYTE> data(size);
    ::RegGetValueW(HKEY_CURRENT_USER, key.c_str(), valueName, RRF_RT_ANY | RRF_NOEXPAND, type, data.data(), &size);
    if (*type == REG_DWORD) return std::to_wstring(*reinterpret_cast<const DWORD*>(data.data()));
    return std::wstring(reinterpret_cast<const wchar_t*>(data.data()), size / sizeof(wchar_t) - 1);
  }

  static std::wstring Expected(const RegistrationEntry& entry) {
    const std::wstring path = LibraryPath();
    switch (entry.data) {
      case RegistrationData::Text: return Utf8ToWide(entry.text);
      case RegistrationData::Number: return std::to_wstring(entry.number);
      case RegistrationData::ModulePath: return path;
      case RegistrationData::ModuleFolder: return path.substr(0, path.rfind(L'\\') + 1);
    }
    return L"?";
  }

  static void ExpectAllRegistered() {
    for (const RegistrationEntry& entry : RegistrationEntries(kThisBuild)) {
      DWORD type = 0;
      EXPECT_EQ(Stored(entry, &type), Expected(entry)) << entry.key << " [" << entry.name << "]";
      EXPECT_EQ(type, static_cast<DWORD>(entry.data == RegistrationData::Number ? REG_DWORD : REG_SZ)) << entry.key;
    }
  }

  static HMODULE library_;
};
HMODULE Registration::library_ = nullptr;

TEST_F(Registration, WritesEveryEntryOfTheTableAndTwiceIsHarmless) {
  ASSERT_EQ(Call("DllRegisterServer"), S_OK);
  ExpectAllRegistered();
  ASSERT_EQ(Call("DllRegisterServer"), S_OK);
  ExpectAllRegistered();
}

TEST_F(Registration, RepairsALoadBehaviourTheHostLowered) {
  ASSERT_EQ(Call("DllRegisterServer"), S_OK);
  const DWORD disabled = 2;
  ASSERT_EQ(::RegSetKeyValueW(HKEY_CURRENT_USER, L"Software\\Microsoft\\Office\\PowerPoint\\AddIns\\Halverin.Connect",
                              L"LoadBehavior", REG_DWORD, &disabled, sizeof disabled),
            ERROR_SUCCESS);
  ASSERT_EQ(Call("DllRegisterServer"), S_OK);
  ExpectAllRegistered();
}

TEST_F(Registration, UnregisteringRemovesEverythingItWroteAndIsRepeatable) {
  ASSERT_EQ(Call("DllRegisterServer"), S_OK);
  ASSERT_EQ(Call("DllUnregisterServer"), S_OK);
  for (std::string_view key : RegistrationKeys()) EXPECT_FALSE(KeyExists(Utf8ToWide(key))) << key;
  // Parents that existed before stay.
  EXPECT_TRUE(KeyExists(L"Software\\Classes"));
  EXPECT_TRUE(KeyExists(L"Software\\Microsoft\\Office\\PowerPoint\\AddIns"));
  EXPECT_EQ(Call("DllUnregisterServer"), S_OK) << "what is already gone counts as removed";
}

TEST_F(Registration, UnregisteringLeavesWhatOthersAddedBelowItsKeys) {
  ASSERT_EQ(Call("DllRegisterServer"), S_OK);
  const std::wstring addIn = L"Software\\Microsoft\\Office\\PowerPoint\\AddIns\\Halverin.Connect";
  const DWORD safe = 1;
  ASSERT_EQ(::RegSetKeyValueW(HKEY_CURRENT_USER, addIn.c_str(), L"CommandLineSafe", REG_DWORD, &safe, sizeof safe),
            ERROR_SUCCESS);
  const std::wstring category = L"Software\\Classes\\CLSID\\" + Utf8ToWide(kConnectClsid) + L"\\Implemented Categories";
  UniqueHKey created;
  ASSERT_EQ(
      ::RegCreateKeyExW(HKEY_CURRENT_USER, category.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, created.put(), nullptr),
      ERROR_SUCCESS);
  created.reset();

  ASSERT_EQ(Call("DllUnregisterServer"), S_OK);
  for (const RegistrationEntry& entry : RegistrationEntries(kThisBuild)) {
    DWORD type = 0;
    EXPECT_EQ(Stored(entry, &type), L"<absent>") << entry.key << " [" << entry.name << "]";
  }
  DWORD kept = 0, size = sizeof kept;
  EXPECT_EQ(
      ::RegGetValueW(HKEY_CURRENT_USER, addIn.c_str(), L"CommandLineSafe", RRF_RT_REG_DWORD, nullptr, &kept, &size),
      ERROR_SUCCESS);
  EXPECT_TRUE(KeyExists(category));
  EXPECT_FALSE(KeyExists(L"Software\\Classes\\Halverin.Connect")) << "keys left empty go";

  ::RegDeleteTreeW(HKEY_CURRENT_USER, addIn.c_str());
  ::RegDeleteTreeW(HKEY_CURRENT_USER, (L"Software\\Classes\\CLSID\\" + Utf8ToWide(kConnectClsid)).c_str());
}

}  // namespace
}  // namespace quillmere
