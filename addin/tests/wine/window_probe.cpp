// Looks at and drives the add-in's windows from outside the host process, as a user would:
// finds them, reads their texts, moves the pointer, presses keys and buttons. Answers go to
// stdout as UTF-8, one per line; the exit code is 0 when the probe found what it looked for.
//
//   window_probe count                    number of About windows
//   window_probe about                    caption, title, version and link texts, visibility,
//                                         window handle
//   window_probe click-ok                 presses the About window's OK button
//   window_probe key VK                   posts a key (decimal virtual-key code) to the focus
//   window_probe hover link|button|window|away
//                                         moves the pointer there (away: off the window); the host
//                                         notes the pointer shapes it shows
//   window_probe message-box TITLE        waits for a message box, prints its text with CR as
//                                         "\r" and LF as "\n", then presses its OK button
//   window_probe wait-replaced HANDLE     waits until that window is gone and another About
//                                         window is there
//   window_probe click-link               clicks the About window's web-site link
//   window_probe record FILE ARG...       stands in for a web browser: writes its working folder
//                                         and arguments to FILE, one a line
//   window_probe rect                     the About window's frame on screen: left top width height

#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "common/utf16_text.h"

namespace {

constexpr wchar_t kAboutClass[] = L"Quillmere.About";
constexpr int kTitleId = 101;
constexpr int kVersionId = 102;
constexpr int kLinkId = 104;

void Print(const std::wstring& text) { std::printf("%s\n", quillmere::WideToUtf8(text).c_str()); }

std::wstring TextOf(HWND window) {
  wchar_t text[512] = {};
  ::SendMessageTimeoutW(window, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 2000, nullptr);
  return text;
}

std::vector<HWND> AboutWindows() {
  std::vector<HWND> found;
  for (HWND window = ::FindWindowExW(nullptr, nullptr, kAboutClass, nullptr); window;
       window = ::FindWindowExW(nullptr, window, kAboutClass, nullptr)) {
    found.push_back(window);
  }
  return found;
}

// Waits for a shown window: the add-in creates its window hidden and shows it once loaded.
HWND WaitFor(const wchar_t* className, const wchar_t* title) {
  for (int i = 0; i < 200; ++i) {
    HWND window = ::FindWindowW(className, title);
    if (window && ::IsWindowVisible(window)) return window;
    ::Sleep(50);
  }
  return nullptr;
}

int Hover(const std::wstring& where) {
  HWND about = WaitFor(kAboutClass, nullptr);
  if (!about) return 1;
  RECT target{};
  if (where == L"away") {
    target = {0, 0, 1, 1};  // the screen's corner, off the window: nothing about it changes
  } else if (where == L"window") {
    ::GetClientRect(about, &target);
    target.right = 8;  // the top left corner is bare window
    target.bottom = 8;
    ::MapWindowPoints(about, nullptr, reinterpret_cast<POINT*>(&target), 2);
  } else {
    ::GetWindowRect(::GetDlgItem(about, where == L"link" ? kLinkId : IDOK), &target);
  }
  ::SetCursorPos((target.left + target.right) / 2, (target.top + target.bottom) / 2);
  // The host sets the pointer shape while it handles the move; give it time.
  ::Sleep(300);
  return 0;
}

int MessageBoxText(const wchar_t* title) {
  HWND box = WaitFor(L"#32770", title);
  if (!box) return 1;
  std::wstring text;
  for (HWND child = ::GetWindow(box, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
    wchar_t className[32] = {};
    ::GetClassNameW(child, className, 32);
    if (::lstrcmpiW(className, L"Static") == 0 && ::GetWindowTextLengthW(child) > 0) text = TextOf(child);
  }
  std::wstring escaped;
  for (wchar_t c : text) escaped += c == L'\r' ? L"\\r" : c == L'\n' ? L"\\n" : std::wstring(1, c);
  Print(escaped);
  int buttons = 0;
  for (HWND child = ::GetWindow(box, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
    wchar_t className[32] = {};
    ::GetClassNameW(child, className, 32);
    if (::lstrcmpiW(className, L"Button") == 0) ++buttons;
  }
  Print(L"buttons " + std::to_wstring(buttons));
  ::PostMessageW(box, WM_COMMAND, IDOK, 0);
  return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const std::wstring command = argc > 1 ? argv[1] : L"";
  if (command == L"count") {
    Print(std::to_wstring(AboutWindows().size()));
    return 0;
  }
  if (command == L"about") {
    HWND about = WaitFor(kAboutClass, nullptr);
    if (!about) return 1;
    Print(TextOf(about));
    for (int id : {kTitleId, kVersionId, kLinkId}) Print(TextOf(::GetDlgItem(about, id)));
    Print(::IsWindowVisible(about) ? L"visible" : L"hidden");
    Print(std::to_wstring(reinterpret_cast<ULONG_PTR>(about)));
    return 0;
  }
  if (command == L"click-ok") {
    HWND about = WaitFor(kAboutClass, nullptr);
    if (!about) return 1;
    ::PostMessageW(::GetDlgItem(about, IDOK), BM_CLICK, 0, 0);
    return 0;
  }
  if (command == L"key" && argc > 2) {
    HWND about = WaitFor(kAboutClass, nullptr);
    if (!about) return 1;
    const auto key = static_cast<WPARAM>(std::wcstoul(argv[2], nullptr, 10));
    HWND button = ::GetDlgItem(about, IDOK);
    ::PostMessageW(button, WM_KEYDOWN, key, 1);
    ::PostMessageW(button, WM_KEYUP, key, 0xC0000001);
    return 0;
  }
  if (command == L"hover" && argc > 2) return Hover(argv[2]);
  if (command == L"message-box" && argc > 2) return MessageBoxText(argv[2]);
  if (command == L"click-link") {
    HWND about = WaitFor(kAboutClass, nullptr);
    if (!about) return 1;
    HWND link = ::GetDlgItem(about, kLinkId);
    ::PostMessageW(link, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    ::PostMessageW(link, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    return 0;
  }
  if (command == L"record" && argc > 2) {
    FILE* file = _wfopen(argv[2], L"wb");
    if (!file) return 1;
    wchar_t folder[MAX_PATH] = {};
    ::GetCurrentDirectoryW(MAX_PATH, folder);
    std::wstring lines = std::wstring(folder) + L"\n";
    for (int i = 3; i < argc; ++i) lines += std::wstring(argv[i]) + L"\n";
    std::fputs(quillmere::WideToUtf8(lines).c_str(), file);
    return std::fclose(file) == 0 ? 0 : 1;
  }
  if (command == L"rect") {
    HWND about = WaitFor(kAboutClass, nullptr);
    RECT frame{};
    if (!about || !::GetWindowRect(about, &frame)) return 1;
    Print(std::to_wstring(frame.left) + L" " + std::to_wstring(frame.top) + L" " +
          std::to_wstring(frame.right - frame.left) + L" " + std::to_wstring(frame.bottom - frame.top));
    return 0;
  }
  if (command == L"wait-replaced" && argc > 2) {
    const auto old = reinterpret_cast<HWND>(static_cast<ULONG_PTR>(std::wcstoull(argv[2], nullptr, 10)));
    for (int i = 0; i < 100; ++i) {
      const std::vector<HWND> open = AboutWindows();
      if (!::IsWindow(old) && !open.empty() && ::IsWindowVisible(open.front())) return 0;
      ::Sleep(50);
    }
    return 1;
  }
  std::fprintf(stderr,
               "usage: window_probe count|about|click-ok|key VK|hover WHERE|message-box TITLE|wait-replaced "
               "HANDLE|click-link|record FILE ARG...|rect\n");
  return 2;
}
