// The settings window in this process, under the colour scheme, user language and DPI the test
// script set: the colours it paints with, its captions and their room, and how it answers
// messages while it is destroyed.

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "common/memory_settings_store.h"
#include "common/product_info.h"
#include "common/settings_table.h"
#include "common/texts/product_texts.h"
#include "panel/panel_captions.h"
#include "common/utf16_text.h"
#include "panel/control_ids.h"
#include "panel/tests/wine/find_control_win.h"
#include "panel/settings_window_win.h"

namespace quillmere {
namespace {

class NoInstaller final : public AddInInstaller {
 public:
  void Install() override {}
  void Uninstall() override {}
};

bool IsSettingsWindow(HWND window) {
  wchar_t name[64] = {};
  ::GetClassNameW(window, name, 64);
  return ::lstrcmpW(name, control_id::kSettingsWindowClass) == 0;
}

std::function<void(HWND)> whileShown;

void CALLBACK OnShown(HWND, UINT, UINT_PTR timer, DWORD) {
  ::KillTimer(nullptr, timer);
  HWND window = ::FindWindowW(control_id::kSettingsWindowClass, nullptr);
  ASSERT_NE(window, nullptr);
  ::UpdateWindow(window);
  whileShown(window);
  ::PostMessageW(window, WM_CLOSE, 0, 0);
}

// Runs the window as the program does; `body` runs once from its message loop, then it closes.
void WithWindowShown(std::function<void(HWND)> body) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_TAB_CLASSES | ICC_STANDARD_CLASSES};
  ::InitCommonControlsEx(&controls);
  MemorySettingsStore store;
  NoInstaller installer;
  SettingsWindow settings(::GetModuleHandleW(nullptr), store, installer);
  whileShown = std::move(body);
  ::SetTimer(nullptr, 0, 200, &OnShown);
  settings.Run(SW_SHOWNORMAL);
}

using test::FindControl;

int Lightness(COLORREF color) {
  return (299 * GetRValue(color) + 587 * GetGValue(color) + 114 * GetBValue(color)) / 1000;
}

std::string Hex(COLORREF color) {
  char text[8];
  std::snprintf(text, sizeof text, "%02x%02x%02x", GetRValue(color), GetGValue(color), GetBValue(color));
  return text;
}

TEST(SettingsWindowTest, EveryCaptionReadsOnItsBackgroundInTheSchemeSet) {
  WithWindowShown([](HWND window) {
    HDC screen = ::GetDC(nullptr);
    HDC dc = ::CreateCompatibleDC(screen);
    HBITMAP bitmap = ::CreateCompatibleBitmap(screen, 8, 8);
    ::ReleaseDC(nullptr, screen);
    HGDIOBJ oldBitmap = ::SelectObject(dc, bitmap);

    // What the window asks its captions to paint with.
    std::vector<int> captions = {control_id::kTitleLabel, control_id::kVersionLabel, control_id::kWebsiteCaption,
                                 control_id::kWebsiteLink};
    for (int box = 0; box < kBoxCount; ++box) captions.push_back(control_id::kFirstBox + box);
    COLORREF background = CLR_INVALID;
    for (int id : captions) {
      HWND control = FindControl(window, id);
      ASSERT_NE(control, nullptr) << id;
      auto brush = reinterpret_cast<HBRUSH>(
          ::SendMessageW(window, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control)));
      LOGBRUSH fill{};
      ASSERT_TRUE(::GetObjectW(brush, sizeof fill, &fill)) << id;
      const COLORREF text = ::GetTextColor(dc);
      const COLORREF back = ::GetBkColor(dc);
      EXPECT_EQ(fill.lbColor, back) << "control " << id;
      EXPECT_GE(std::abs(Lightness(text) - Lightness(back)), 100)
          << "control " << id << " paints " << Hex(text) << " on " << Hex(back);
      if (background == CLR_INVALID) background = back;
      EXPECT_EQ(back, background) << "control " << id << ": one background for all captions";
    }

    // The window's and the frame's own background are the captions' background.
    ::SendMessageW(window, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    EXPECT_EQ(Hex(::GetPixel(dc, 2, 2)), Hex(background)) << "window background";
    HWND frame = FindControl(window, control_id::kPowerPointFrame);
    HDC frameDc = ::GetDC(frame);
    EXPECT_EQ(Hex(::GetPixel(frameDc, 6, 6)), Hex(background)) << "frame background";
    ::ReleaseDC(frame, frameDc);

    HIGHCONTRASTW contrast{};
    contrast.cbSize = sizeof contrast;
    ::SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0);
    if ((contrast.dwFlags & HCF_HIGHCONTRASTON) == 0) {
      EXPECT_EQ(Hex(background), "ffffff") << "outside high contrast the designed white stays";
    } else {
      EXPECT_EQ(Hex(background), Hex(::GetSysColor(COLOR_WINDOW))) << "high contrast follows the system";
    }

    ::SelectObject(dc, oldBitmap);
    ::DeleteObject(bitmap);
    ::DeleteDC(dc);
  });
}

// The language the script set for the user (QUILLMERE_TEST_LANGUAGE, a culture name), English
// without one.
UiLanguage ExpectedLanguage() {
  const char* culture = std::getenv("QUILLMERE_TEST_LANGUAGE");
  for (std::size_t i = 0; culture && i < kUiLanguageCount; ++i) {
    if (CultureName(static_cast<UiLanguage>(i)) == culture) return static_cast<UiLanguage>(i);
  }
  return UiLanguage::English;
}

std::wstring TextOf(HWND control) {
  wchar_t text[256] = {};
  ::GetWindowTextW(control, text, 256);
  return text;
}

// The caption as the control's own font lays it out, and whether that font has every glyph.
struct Drawn {
  SIZE extent{};
  bool allGlyphs = false;
};

Drawn Draw(HWND control, const std::wstring& text) {
  HDC dc = ::GetDC(control);
  HGDIOBJ old = ::SelectObject(dc, reinterpret_cast<HFONT>(::SendMessageW(control, WM_GETFONT, 0, 0)));
  Drawn drawn;
  ::GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &drawn.extent);
  std::vector<WORD> glyphs(text.size());
  ::GetGlyphIndicesW(dc, text.c_str(), static_cast<int>(text.size()), glyphs.data(), GGI_MARK_NONEXISTING_GLYPHS);
  drawn.allGlyphs = std::find(glyphs.begin(), glyphs.end(), 0xFFFF) == glyphs.end();
  ::SelectObject(dc, old);
  ::ReleaseDC(control, dc);
  return drawn;
}

TEST(SettingsWindowTest, CaptionsSpeakTheUsersLanguageAndFitTheirControls) {
  const UiLanguage language = ExpectedLanguage();
  WithWindowShown([language](HWND window) {
    struct Caption {
      int id;
      std::string_view text;
      int besideText;  // what the control draws beside its caption
    };
    const std::string version = VersionLabelText(language);
    const std::string link(kVendorWebSiteText);
    std::vector<Caption> captions = {{control_id::kVersionLabel, version, 0},
                                     {control_id::kWebsiteCaption, Text(TextId::Website, language), 0},
                                     {control_id::kWebsiteLink, link, 0},
                                     {control_id::kOkButton, Text(TextId::Ok, language), 0},
                                     {control_id::kCancelButton, Text(TextId::Cancel, language), 0}};
    for (const Setting& setting : kSettings) {
      captions.push_back(
          {control_id::kFirstBox + setting.box, Text(setting.caption, language), ::GetSystemMetrics(SM_CXMENUCHECK)});
    }
    for (const Caption& caption : captions) {
      HWND control = FindControl(window, caption.id);
      ASSERT_NE(control, nullptr) << caption.id;
      const std::wstring text = TextOf(control);
      EXPECT_EQ(WideToUtf8(text), caption.text) << "control " << caption.id;
      // The English window keeps its design whatever this machine's fonts measure.
      if (language == UiLanguage::English) continue;
      const Drawn drawn = Draw(control, text);
      RECT room;
      ::GetClientRect(control, &room);
      EXPECT_TRUE(drawn.allGlyphs) << "control " << caption.id << ": its font lacks glyphs of " << caption.text;
      EXPECT_LE(drawn.extent.cx + caption.besideText, room.right) << "control " << caption.id << ": " << caption.text;
      EXPECT_LE(drawn.extent.cy, room.bottom) << "control " << caption.id << ": " << caption.text;
    }

    // The tab items: translated, side by side inside the tab control and above its frames.
    HWND tabs = FindControl(window, control_id::kTabs);
    wchar_t about[64] = {};
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = about;
    item.cchTextMax = 64;
    ::SendMessageW(tabs, TCM_GETITEMW, 1, reinterpret_cast<LPARAM>(&item));
    EXPECT_EQ(WideToUtf8(about), Text(TextId::About, language));
    RECT last, client;
    ::SendMessageW(tabs, TCM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&last));
    ::GetClientRect(tabs, &client);
    EXPECT_LE(last.right, client.right);
    EXPECT_EQ(::SendMessageW(tabs, TCM_GETROWCOUNT, 0, 0), 1);
    RECT frame;
    ::GetWindowRect(FindControl(window, control_id::kPowerPointFrame), &frame);
    ::MapWindowPoints(nullptr, tabs, reinterpret_cast<POINT*>(&frame), 2);
    EXPECT_LE(last.bottom, frame.top);
  });
}

LRESULT textLengthAfterDestroy = -1;

LRESULT CALLBACK AfterCall(int code, WPARAM wParam, LPARAM lParam) {
  const auto* call = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
  if (code == HC_ACTION && call->message == WM_DESTROY && IsSettingsWindow(call->hwnd)) {
    textLengthAfterDestroy = ::SendMessageW(call->hwnd, WM_GETTEXTLENGTH, 0, 0);
  }
  return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST(SettingsWindowTest, MessagesAfterDestroyGetTheirWindowsDefaultHandling) {
  HHOOK hook = ::SetWindowsHookExW(WH_CALLWNDPROCRET, &AfterCall, nullptr, ::GetCurrentThreadId());
  ASSERT_NE(hook, nullptr);
  WithWindowShown([](HWND) {});
  ::UnhookWindowsHookEx(hook);
  EXPECT_EQ(textLengthAfterDestroy, 9) << "the length of its title, \"Quillmere\"";
}

}  // namespace
}  // namespace quillmere
