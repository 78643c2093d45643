#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "addin/about_window_design.h"
#include "addin/about_window_win.h"
#include "common/texts/product_texts.h"
#include "common/program_files.h"
#include "common/utf16_text.h"
#include "common/window_helpers_win.h"
#include "common/window_look_win.h"
#include "host_objects_win.h"
#include "import_patch_win.h"

namespace quillmere {
namespace {

constexpr int kTitleId = 101;
constexpr int kVersionId = 102;
constexpr int kLinkId = 104;

std::wstring TextOf(HWND window) {
  wchar_t text[256] = {};
  ::GetWindowTextW(window, text, 256);
  return text;
}

// Runs the thread's messages the way a host application does: no IsDialogMessage.
void PumpMessages(int milliseconds = 200) {
  const DWORD end = ::GetTickCount() + milliseconds;
  do {
    MSG message;
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      ::TranslateMessage(&message);
      ::DispatchMessageW(&message);
    }
    if (milliseconds > 0) ::Sleep(10);
  } while (::GetTickCount() < end);
}

bool LinkUnderlined(HWND about) {
  LOGFONTW font{};
  ::GetObjectW(reinterpret_cast<HFONT>(::SendMessageW(::GetDlgItem(about, kLinkId), WM_GETFONT, 0, 0)), sizeof font,
               &font);
  return font.lfUnderline != 0;
}

void MovePointerOver(HWND about, HWND under) {
  ::SendMessageW(about, WM_SETCURSOR, reinterpret_cast<WPARAM>(under), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
}

// A 32x32 monochrome cursor with a hot spot no system cursor has.
void WriteCursorFile(const std::wstring& path) {
  std::vector<std::uint8_t> bytes;
  const auto put16 = [&](std::uint16_t v) { bytes.insert(bytes.end(), {std::uint8_t(v), std::uint8_t(v >> 8)}); };
  const auto put32 = [&](std::uint32_t v) {
    put16(std::uint16_t(v));
    put16(std::uint16_t(v >> 16));
  };
  put16(0), put16(2), put16(1);  // a cursor file with one image
  bytes.insert(bytes.end(), {32, 32, 2, 0});
  put16(7), put16(3);  // hot spot
  put32(40 + 8 + 128 + 128), put32(22);
  put32(40), put32(32), put32(64), put16(1), put16(1);  // bitmap header, XOR and AND masks
  for (int i = 0; i < 6; ++i) put32(0);
  put32(0), put32(0x00FFFFFF);  // black, white
  for (int i = 0; i < 128; ++i) bytes.push_back(i % 4 == 0 ? 0xFF : 0x00);
  for (int i = 0; i < 128; ++i) bytes.push_back(i % 4 == 0 ? 0x00 : 0xFF);
  std::ofstream(std::filesystem::path(path), std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

COLORREF PixelOfClient(HWND about, int x, int y) {
  RECT client{};
  ::GetClientRect(about, &client);
  HDC screen = ::GetDC(nullptr);
  HDC memory = ::CreateCompatibleDC(screen);
  HBITMAP bitmap = ::CreateCompatibleBitmap(screen, client.right, client.bottom);
  HGDIOBJ old = ::SelectObject(memory, bitmap);
  ::SendMessageW(about, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory), PRF_CLIENT | PRF_ERASEBKGND);
  const COLORREF pixel = ::GetPixel(memory, x, y);
  ::SelectObject(memory, old);
  ::DeleteObject(bitmap);
  ::DeleteDC(memory);
  ::ReleaseDC(nullptr, screen);
  return pixel;
}

COLORREF LabelBackground(HWND about, int id) {
  HDC screen = ::GetDC(nullptr);
  const auto brush = reinterpret_cast<HBRUSH>(::SendMessageW(about, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(screen),
                                                             reinterpret_cast<LPARAM>(::GetDlgItem(about, id))));
  ::ReleaseDC(nullptr, screen);
  LOGBRUSH look{};
  ::GetObjectW(brush, sizeof look, &look);
  return look.lbColor;
}

class AboutWindowTest : public testing::Test {
 protected:
  void TearDown() override {
    if (HWND about = AboutWindowHandle()) ::SendMessageW(about, WM_CLOSE, 0, 0);
    ::DeleteFileW(HandCursorPath(ProgramFolder()).c_str());
    ::DeleteFileW(SkinFilePath(ProgramFolder()).c_str());
    ::RemoveDirectoryW((ProgramFolder() + L"\\x").c_str());
  }
};

// Allocation failures while the window loads, injected one at a time at each allocation: the
// load succeeds or throws to its caller, leaves no window behind, and nothing unwinds through
// the system's frames (enumeration, window procedure), which would end the host.
long allocations = 0;
long failAt = 0;
void* (*realMalloc)(size_t) = nullptr;
void* CountingMalloc(size_t size) {
  if (++allocations == failAt) return nullptr;
  return realMalloc(size);
}

TEST_F(AboutWindowTest, OutOfMemoryWhileLoadingLeavesNoWindow) {
  ::CreateDirectoryW((ProgramFolder() + L"\\x").c_str(), nullptr);
  std::ofstream(std::filesystem::path(SkinFilePath(ProgramFolder()))) << "skin";
  WriteCursorFile(HandCursorPath(ProgramFolder()));
  test::ImportPatch patch(::GetModuleHandleW(nullptr), "msvcrt.dll", "malloc",
                          reinterpret_cast<const void*>(&CountingMalloc));
  ASSERT_TRUE(patch.Applied());
  realMalloc = patch.Original<void* (*)(size_t)>();
  allocations = 0;
  ShowAboutWindow();
  const long count = allocations;
  ::SendMessageW(AboutWindowHandle(), WM_CLOSE, 0, 0);
  ASSERT_GT(count, 0);
  for (long n = 1; n <= count; ++n) {
    allocations = 0;
    failAt = n;
    bool thrown = false;
    try {
      ShowAboutWindow();
    } catch (const std::exception&) {
      thrown = true;
    }
    failAt = 0;
    PumpMessages(0);
    if (thrown) {
      EXPECT_EQ(test::AboutWindowCount(), 0) << "allocation " << n;
    } else if (HWND about = AboutWindowHandle()) {
      ::SendMessageW(about, WM_CLOSE, 0, 0);
    }
  }
  EXPECT_EQ(test::AboutWindowCount(), 0);
}

TEST_F(AboutWindowTest, ShowsOneWindowWithItsTextsAndTheResourceVersion) {
  ShowAboutWindow();
  HWND about = AboutWindowHandle();
  ASSERT_NE(about, nullptr);
  ShowAboutWindow();
  EXPECT_EQ(AboutWindowHandle(), about);
  EXPECT_EQ(test::AboutWindowCount(), 1);
  EXPECT_TRUE(::IsWindowVisible(about));
  EXPECT_EQ(TextOf(about), L"About");
  EXPECT_EQ(TextOf(::GetDlgItem(about, kTitleId)), L"Quillmere");
  EXPECT_EQ(TextOf(::GetDlgItem(about, kVersionId)), L"Version 3.14.15");
  EXPECT_EQ(TextOf(::GetDlgItem(about, IDOK)), L"OK");
  EXPECT_EQ(::GetWindow(about, GW_OWNER), nullptr);
  EXPECT_NE(::SendMessageW(about, WM_GETICON, ICON_BIG, 0), 0);
  const LONG_PTR style = ::GetWindowLongPtrW(about, GWL_STYLE);
  EXPECT_EQ(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0);
}

TEST_F(AboutWindowTest, LaysOutTheDesignAtTheScreensDpi) {
  ShowAboutWindow();
  HWND about = AboutWindowHandle();
  const int dpi = WindowDpi(about);
  // The run may set the screen's DPI; then the window must have seen that one.
  if (const char* expected = std::getenv("QUILLMERE_TEST_DPI")) {
    EXPECT_EQ(dpi, std::atoi(expected));
  }
  RECT client{};
  ::GetClientRect(about, &client);
  EXPECT_EQ(client.right, TwipsToPixels(about::kClientWidth, dpi));
  EXPECT_EQ(client.bottom, TwipsToPixels(about::kClientHeight, dpi));
  RECT button{};
  ::GetWindowRect(::GetDlgItem(about, IDOK), &button);
  ::MapWindowPoints(nullptr, about, reinterpret_cast<POINT*>(&button), 2);
  const PixelRect expected = TwipsToPixels(about::kOkButton.bounds, dpi);
  EXPECT_EQ((PixelRect{button.left, button.top, button.right - button.left, button.bottom - button.top}), expected);
  LOGFONTW font{};
  ::GetObjectW(reinterpret_cast<HFONT>(::SendMessageW(::GetDlgItem(about, IDOK), WM_GETFONT, 0, 0)), sizeof font,
               &font);
  EXPECT_EQ(font.lfHeight, FontHeightForPoints(11.25, dpi));
  EXPECT_EQ(font.lfWeight, FW_BOLD);
  EXPECT_STREQ(font.lfFaceName, L"Arial");
}

// The text's extent in the control's own font.
int TextWidth(HWND control) {
  const std::wstring text = TextOf(control);
  HDC dc = ::GetDC(control);
  const HGDIOBJ old = ::SelectObject(dc, reinterpret_cast<HFONT>(::SendMessageW(control, WM_GETFONT, 0, 0)));
  SIZE extent{};
  ::GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
  ::SelectObject(dc, old);
  ::ReleaseDC(control, dc);
  return extent.cx;
}

RECT RectInParent(HWND control) {
  RECT rect{};
  ::GetWindowRect(control, &rect);
  ::MapWindowPoints(nullptr, ::GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

TEST_F(AboutWindowTest, TranslatedTextsFitAtTheScreensDpi) {
  constexpr int kWebsiteLabelId = 103;
  for (UiLanguage language :
       {UiLanguage::German, UiLanguage::Spanish, UiLanguage::Japanese, UiLanguage::Korean, UiLanguage::Russian}) {
    SCOPED_TRACE(testing::Message() << "language " << static_cast<int>(language));
    ShowAboutWindow(language);
    HWND about = AboutWindowHandle();
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(TextOf(about), Utf8ToWide(Text(TextId::About, language)));
    EXPECT_EQ(TextOf(::GetDlgItem(about, IDOK)), Utf8ToWide(Text(TextId::Ok, language)));
    EXPECT_EQ(TextOf(::GetDlgItem(about, kVersionId)), Utf8ToWide(Text(TextId::AboutVersion, language)) + L"3.14.15");
    for (int id : {kWebsiteLabelId, kVersionId}) {
      const HWND label = ::GetDlgItem(about, id);
      const RECT rect = RectInParent(label);
      EXPECT_LE(TextWidth(label), rect.right - rect.left) << "label " << id << " cuts its text";
    }
    EXPECT_LE(RectInParent(::GetDlgItem(about, kWebsiteLabelId)).right,
              RectInParent(::GetDlgItem(about, kLinkId)).left);
    LOGFONTW font{};
    ::GetObjectW(reinterpret_cast<HFONT>(::SendMessageW(::GetDlgItem(about, IDOK), WM_GETFONT, 0, 0)), sizeof font,
                 &font);
    EXPECT_EQ(std::wstring(font.lfFaceName) == L"Arial", !NeedsSystemUiFont(language)) << font.lfFaceName;
    ::SendMessageW(about, WM_CLOSE, 0, 0);
    ASSERT_EQ(AboutWindowHandle(), nullptr);
  }
}

TEST_F(AboutWindowTest, WhiteAsDesignedWithAnEtchedSeparator) {
  ShowAboutWindow();
  HWND about = AboutWindowHandle();
  const int dpi = WindowDpi(about);
  EXPECT_EQ(PixelOfClient(about, 2, 2), RGB(255, 255, 255));
  EXPECT_EQ(PixelOfClient(about, 100, TwipsToPixels(2445, dpi)), RGB(128, 128, 128));
  EXPECT_EQ(LabelBackground(about, kTitleId), RGB(255, 255, 255));
}

TEST_F(AboutWindowTest, TheSkinFileTurnsWindowAndLabelsButtonFace) {
  ::CreateDirectoryW((ProgramFolder() + L"\\x").c_str(), nullptr);
  std::ofstream(std::filesystem::path(SkinFilePath(ProgramFolder()))) << "skin";
  ShowAboutWindow();
  HWND about = AboutWindowHandle();
  const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
  ASSERT_NE(face, RGB(255, 255, 255));
  EXPECT_EQ(PixelOfClient(about, 2, 2), face);
  EXPECT_EQ(LabelBackground(about, kTitleId), face);
  EXPECT_EQ(LabelBackground(about, kLinkId), face);
  // The separator keeps its grey.
  EXPECT_EQ(PixelOfClient(about, 100, TwipsToPixels(2445, WindowDpi(about))), RGB(128, 128, 128));
}

TEST_F(AboutWindowTest, LinkUnderlineFollowsThePointer) {
  ShowAboutWindow();
  HWND about = AboutWindowHandle();
  EXPECT_TRUE(LinkUnderlined(about)) << "underlined as designed";
  MovePointerOver(about, about);
  EXPECT_FALSE(LinkUnderlined(about));
  MovePointerOver(about, ::GetDlgItem(about, kTitleId));
  EXPECT_FALSE(LinkUnderlined(about));
  MovePointerOver(about, ::GetDlgItem(about, kLinkId));
  EXPECT_TRUE(LinkUnderlined(about));
  // Without the cursor file the hand is the ordinary arrow.
  EXPECT_EQ(::GetCursor(), ::LoadCursorW(nullptr, IDC_ARROW));
}

TEST_F(AboutWindowTest, TheCursorFileIsTheHandOverLinkAndButton) {
  WriteCursorFile(HandCursorPath(ProgramFolder()));
  ShowAboutWindow();
  HWND about = AboutWindowHandle();
  ASSERT_NE(about, nullptr);
  for (HWND target : {::GetDlgItem(about, kLinkId), ::GetDlgItem(about, IDOK)}) {
    MovePointerOver(about, about);
    EXPECT_EQ(::GetCursor(), ::LoadCursorW(nullptr, IDC_ARROW));
    MovePointerOver(about, target);
    ICONINFO info{};
    ASSERT_TRUE(::GetIconInfo(::GetCursor(), &info));
    EXPECT_EQ(info.xHotspot, 7u);
    EXPECT_EQ(info.yHotspot, 3u);
    if (info.hbmMask) ::DeleteObject(info.hbmMask);
    if (info.hbmColor) ::DeleteObject(info.hbmColor);
  }
}

TEST_F(AboutWindowTest, AnUnreadableCursorFileFailsTheLoadAndLeavesNoWindow) {
  std::ofstream(std::filesystem::path(HandCursorPath(ProgramFolder()))) << "not a cursor";
  EXPECT_THROW(ShowAboutWindow(), std::system_error);
  EXPECT_EQ(AboutWindowHandle(), nullptr);
  EXPECT_EQ(test::AboutWindowCount(), 0);
  ::DeleteFileW(HandCursorPath(ProgramFolder()).c_str());
  ShowAboutWindow();
  EXPECT_NE(AboutWindowHandle(), nullptr);
}

TEST_F(AboutWindowTest, OkUnloadsAndTheNextShowLoadsAfresh) {
  ShowAboutWindow();
  HWND about = AboutWindowHandle();
  MovePointerOver(about, about);
  ASSERT_FALSE(LinkUnderlined(about));
  ::SendMessageW(::GetDlgItem(about, IDOK), BM_CLICK, 0, 0);
  EXPECT_EQ(AboutWindowHandle(), nullptr);
  EXPECT_FALSE(::IsWindow(about));
  EXPECT_EQ(test::AboutWindowCount(), 0);
  ShowAboutWindow();
  HWND again = AboutWindowHandle();
  ASSERT_NE(again, nullptr);
  EXPECT_TRUE(LinkUnderlined(again)) << "the hover state belongs to the old window";
  EXPECT_EQ(TextOf(::GetDlgItem(again, kVersionId)), L"Version 3.14.15");
}

struct KeyCase {
  const char* name;
  WPARAM key;
  bool focusOnFrame;
  bool closes;
  friend void PrintTo(const KeyCase& c, std::ostream* os) { *os << c.name; }
};

class AboutWindowKeyTest : public AboutWindowTest, public testing::WithParamInterface<KeyCase> {};

// The keys arrive through the thread's queue, as typed keys do, and the loop that takes them
// out knows nothing of dialogs.
TEST_P(AboutWindowKeyTest, DialogKeysWorkUnderAForeignMessageLoop) {
  ShowAboutWindow();
  HWND about = AboutWindowHandle();
  HWND button = ::GetDlgItem(about, IDOK);
  PumpMessages(100);
  ::SetFocus(GetParam().focusOnFrame ? about : button);
  ASSERT_EQ(::GetFocus(), GetParam().focusOnFrame ? about : button);
  HWND target = ::GetFocus();
  ::PostMessageW(target, WM_KEYDOWN, GetParam().key, 1);
  ::PostMessageW(target, WM_KEYUP, GetParam().key, 0xC0000001);
  PumpMessages();
  EXPECT_EQ(AboutWindowHandle() == nullptr, GetParam().closes);
  if (!GetParam().closes) {
    EXPECT_EQ(::GetFocus(), button);
  }
}

INSTANTIATE_TEST_SUITE_P(Keys, AboutWindowKeyTest,
                         testing::Values(KeyCase{"enter_on_button", VK_RETURN, false, true},
                                         KeyCase{"enter_on_frame", VK_RETURN, true, true},
                                         KeyCase{"escape", VK_ESCAPE, false, true},
                                         KeyCase{"tab_reaches_button", VK_TAB, true, false}));

}  // namespace
}  // namespace quillmere
