#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "common/program_files.h"
#include "common/skin.h"
#include "common/window_helpers_win.h"
#include "common/window_look_win.h"
#include "import_patch_win.h"

namespace quillmere {
namespace {

TEST(ProgramFolderTest, IsTheFolderOfThisProgramsFile) {
  wchar_t path[MAX_PATH] = {};
  ::GetModuleFileNameW(nullptr, path, MAX_PATH);
  EXPECT_EQ(ProgramFolder(), ParentFolder(path));
  // The test runs from a folder with non-ASCII characters.
  EXPECT_NE(ProgramFolder().find(L'\u6771'), std::wstring::npos);
}

TEST(FileExistsTest, ReportsFilesOnlyAndNeverFails) {
  const std::wstring folder = ProgramFolder();
  const std::wstring file = folder + L"\\\u00e5 file.txt";
  std::ofstream(std::filesystem::path(file)) << "x";
  EXPECT_TRUE(FileExists(file));
  EXPECT_FALSE(FileExists(folder + L"\\missing.txt"));
  EXPECT_FALSE(FileExists(folder)) << "a folder is not a file";
  EXPECT_FALSE(FileExists(L""));
  EXPECT_FALSE(FileExists(L"Q:\\no\\such\\drive.txt"));
  EXPECT_FALSE(FileExists(L"C:\\bad<name>.txt"));
  ::DeleteFileW(file.c_str());
  EXPECT_FALSE(FileExists(file));
}

// Inside PowerPoint the process-wide error mode is the host's: FileExists may quiet error boxes
// for its own thread only, and leaves that thread's mode as it found it.
int processErrorModeChanges = 0;
UINT WINAPI CountedSetErrorMode(UINT) {
  ++processErrorModeChanges;
  return 0;
}

TEST(FileExistsTest, LeavesTheProcessErrorModeAlone) {
  test::ImportPatch patch(::GetModuleHandleW(nullptr), "KERNEL32.dll", "SetErrorMode",
                          reinterpret_cast<const void*>(&CountedSetErrorMode));
  DWORD before = 0;
  ASSERT_TRUE(::SetThreadErrorMode(SEM_NOGPFAULTERRORBOX, &before));
  EXPECT_FALSE(FileExists(ProgramFolder() + L"\\missing.txt"));
  EXPECT_FALSE(FileExists(L"Q:\\no\\such\\drive.txt"));
  EXPECT_EQ(processErrorModeChanges, 0);
  EXPECT_EQ(::GetThreadErrorMode(), static_cast<DWORD>(SEM_NOGPFAULTERRORBOX));
  ::SetThreadErrorMode(before, nullptr);
}

TEST(CreateRegistryKeyTest, CreatesOrOpensAndGivesNothingOnFailure) {
  const std::wstring path = L"Software\\Quillmere helper test\\\u00c5sa";
  {
    UniqueHKey created = CreateRegistryKey(path, HKEY_CURRENT_USER);
    ASSERT_TRUE(created);
    const DWORD value = 3;
    EXPECT_EQ(::RegSetValueExW(created.get(), L"LoadBehavior", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                               sizeof value),
              ERROR_SUCCESS);
  }
  UniqueHKey opened = CreateRegistryKey(path, HKEY_CURRENT_USER);
  ASSERT_TRUE(opened);
  DWORD value = 0;
  DWORD size = sizeof value;
  EXPECT_EQ(::RegQueryValueExW(opened.get(), L"LoadBehavior", nullptr, nullptr, reinterpret_cast<BYTE*>(&value), &size),
            ERROR_SUCCESS);
  EXPECT_EQ(value, 3u) << "an existing key is opened, not replaced";
  opened.reset();
  ::RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Quillmere helper test");

  EXPECT_FALSE(CreateRegistryKey(L"Software\\x", reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(0x1234))));
  EXPECT_FALSE(CreateRegistryKey(L"Software\\x", nullptr));
}

HWND TestWindow(int width, int height) {
  return ::CreateWindowExW(0, L"Static", L"centre me", WS_POPUP, 5, 7, width, height, nullptr, nullptr, nullptr,
                           nullptr);
}

TEST(CenterOnScreenTest, CentresAndKeepsTheSize) {
  const int screenWidth = ::GetSystemMetrics(SM_CXSCREEN);
  const int screenHeight = ::GetSystemMetrics(SM_CYSCREEN);
  for (const SIZE size : {SIZE{300, 200}, SIZE{screenWidth + 200, screenHeight + 101}}) {
    UniqueWindow window(TestWindow(size.cx, size.cy));
    ASSERT_TRUE(window);
    CenterOnScreen(window.get());
    RECT frame{};
    ::GetWindowRect(window.get(), &frame);
    EXPECT_EQ(frame.right - frame.left, size.cx);
    EXPECT_EQ(frame.bottom - frame.top, size.cy);
    EXPECT_EQ(frame.left, CenteredOrigin({0, 0, screenWidth, screenHeight}, size.cx, size.cy).x);
    EXPECT_EQ(frame.top, CenteredOrigin({0, 0, screenWidth, screenHeight}, size.cx, size.cy).y);
  }
}

TEST(ShellOpenTest, ATargetWithoutActionReturnsQuietly) {
  const DWORD start = ::GetTickCount();
  ShellOpen(nullptr, ProgramFolder() + L"\\missing.unknown-extension");
  ShellOpen(nullptr, L"");
  // Waiting for the launch: the same, and the wait ends with it.
  ShellOpen(nullptr, ProgramFolder() + L"\\missing.unknown-extension", 60000);
  // A message box would have to be closed by someone; none is there to close it.
  EXPECT_LT(::GetTickCount() - start, 10000u);
}

struct KindCase {
  const wchar_t* className;
  LONG_PTR style;
  ControlKind kind;
  friend void PrintTo(const KindCase& c, std::ostream* os) {
    for (const wchar_t* p = c.className; *p; ++p) *os << static_cast<char>(*p);
    *os << '_' << c.style;
  }
};

class ClassifyControlTest : public testing::TestWithParam<KindCase> {};

TEST_P(ClassifyControlTest, GivesTheSkinsKind) {
  EXPECT_EQ(ClassifyControl(GetParam().className, GetParam().style | WS_CHILD | WS_VISIBLE), GetParam().kind);
}

INSTANTIATE_TEST_SUITE_P(Controls, ClassifyControlTest,
                         testing::Values(KindCase{L"Button", BS_PUSHBUTTON, ControlKind::PushButton},
                                         KindCase{L"BUTTON", BS_DEFPUSHBUTTON, ControlKind::PushButton},
                                         KindCase{L"Button", BS_AUTOCHECKBOX, ControlKind::CheckBox},
                                         KindCase{L"Button", BS_3STATE, ControlKind::CheckBox},
                                         KindCase{L"Button", BS_AUTORADIOBUTTON, ControlKind::OptionButton},
                                         KindCase{L"Button", BS_GROUPBOX, ControlKind::Frame},
                                         KindCase{L"Static", SS_LEFT | SS_NOTIFY, ControlKind::Label},
                                         KindCase{L"Static", SS_CENTER, ControlKind::Label},
                                         KindCase{L"Static", SS_ICON, ControlKind::Picture},
                                         KindCase{L"Static", SS_BITMAP | SS_NOTIFY, ControlKind::Picture},
                                         KindCase{L"Static", SS_ETCHEDHORZ, ControlKind::Line},
                                         KindCase{L"SysTabControl32", 0, ControlKind::TabControl},
                                         KindCase{L"ListBox", 0, ControlKind::List},
                                         KindCase{L"Edit", 0, ControlKind::Edit},
                                         KindCase{L"msctls_progress32", 0, ControlKind::Other}));

TEST(WindowSkinTest, RecoloursChildWindowsByKindWhenTheSkinFileIsThere) {
  UniqueWindow form(::CreateWindowExW(0, L"Static", L"", WS_POPUP, 0, 0, 300, 200, nullptr, nullptr, nullptr, nullptr));
  const auto child = [&](const wchar_t* className, DWORD style) {
    return ::CreateWindowExW(0, className, L"", WS_CHILD | style, 0, 0, 10, 10, form.get(), nullptr, nullptr, nullptr);
  };
  HWND frame = child(L"Button", BS_GROUPBOX);
  HWND label = child(L"Static", SS_LEFT);
  HWND box = child(L"Button", BS_AUTOCHECKBOX);
  HWND button = child(L"Button", BS_PUSHBUTTON);
  HWND picture = child(L"Static", SS_ICON);
  // Controls inside a frame count too.
  HWND nested = ::CreateWindowExW(0, L"Static", L"", WS_CHILD, 0, 0, 5, 5, frame, nullptr, nullptr, nullptr);
  const OleColor white = RgbColor(255, 255, 255);

  WindowSkin plain(form.get());
  EXPECT_FALSE(ApplySkin(plain));
  EXPECT_EQ(plain.BackColor(white), white);
  EXPECT_EQ(plain.ControlBackColor(label, white), white);

  ::CreateDirectoryW((ProgramFolder() + L"\\x").c_str(), nullptr);
  std::ofstream(std::filesystem::path(SkinFilePath(ProgramFolder()))) << "skin";
  WindowSkin skinned(form.get());
  EXPECT_TRUE(ApplySkin(skinned));
  EXPECT_EQ(skinned.BackColor(white), kSkinBackColor);
  for (HWND recoloured : {frame, label, box, nested})
    EXPECT_EQ(skinned.ControlBackColor(recoloured, white), kSkinBackColor);
  for (HWND kept : {button, picture}) EXPECT_EQ(skinned.ControlBackColor(kept, white), white);
  EXPECT_EQ(ToColorRef(kSkinBackColor), ::GetSysColor(COLOR_BTNFACE));
  ::DeleteFileW(SkinFilePath(ProgramFolder()).c_str());
  ::RemoveDirectoryW((ProgramFolder() + L"\\x").c_str());
}

}  // namespace
}  // namespace quillmere
