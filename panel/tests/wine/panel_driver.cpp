// panel-driver: a test tool that drives Quillmere.exe from a second process, as a user would.
//
// usage: panel-driver.exe OUTPUT-FILE COMMAND...
//   forget            delete every stored setting
//   store KEY=VALUE   write a setting (string value) before the program starts
//   start PATH        start the program
//   window            wait until its window is visible
//   boxes             print "boxes " and every box's state, box 0 first ("1110000000000")
//   click N           click box N
//   tab N             switch to tab N (0 PowerPoint, 1 About)
//   visible ID        print "visible ID 0|1"
//   enabled ID        print "enabled ID 0|1"
//   tips              print "tips N": how many tools the window's tooltip holds (0 without one)
//   text ID           print "text ID <text>"
//   rect ID           print "rect ID <width>x<height>" of the control in pixels
//   underline         print "underline 0|1": whether the web link shows underlined on screen
//   hover ID          move the pointer to the middle of control ID (0: the window's corner)
//   cursor            print "cursor <handle>" of the pointer now shown
//   click-link        click the web link
//   key NAME          press escape, return, space or tab in the window (where the focus is)
//   focus             print "focus ID" of the control that has the focus
//   responds          print "responds 0|1": whether the window answers a message within 1 s
//   error             wait for the "Application Error" message, print "error <text>", press OK
//   notice            wait for the program's own message (titled "Quillmere"), print
//                     "notice <text>", press OK
//   ok | cancel | close   press OK, Cancel, or the close box (posted: OK may wait on regsvr32)
//   exit              wait for the program to end, print "exit <code>"
//   settings          print "setting KEY=VALUE" for every stored setting
//   addin             print "addin-entry present|absent"
//   mark | elapsed    start timing (start does too) | print "elapsed <milliseconds>"
//   sleep MS
// Output goes to a file because Wine keeps pipes open for seconds. Any failure prints
// "FAIL <why>" and ends with exit code 1 (a started program that is still running is ended).

#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <string>
#include <vector>

#include "common/utf16_text.h"
#include "panel/box_rules.h"
#include "panel/control_ids.h"
#include "panel/tests/wine/find_control_win.h"

namespace {

constexpr wchar_t kSettingsKey[] = L"Software\\VB and VBA Program Settings\\Varnholt\\Quillmere";
constexpr wchar_t kAddInEntry[] = L"Software\\Microsoft\\Office\\PowerPoint\\AddIns\\Halverin.Connect";
constexpr DWORD kWaitMilliseconds = 20000;

FILE* output = nullptr;
HANDLE program = nullptr;
ULONGLONG markTime = 0;

using quillmere::WideToUtf8;

// Control characters written visibly, so a message's line breaks can be checked exactly.
std::string Visible(const std::wstring& text) {
  std::string shown;
  for (char c : WideToUtf8(text)) {
    if (c == '\r') {
      shown += "\\r";
    } else if (c == '\n') {
      shown += "\\n";
    } else {
      shown += c;
    }
  }
  return shown;
}

void Print(const std::string& line) {
  std::fprintf(output, "%s\n", line.c_str());
  std::fflush(output);
}

[[noreturn]] void Fail(const std::string& why) {
  Print("FAIL " + why);
  if (program && ::WaitForSingleObject(program, 0) == WAIT_TIMEOUT) ::TerminateProcess(program, 99);
  std::exit(1);
}

template <typename Found>
auto WaitFor(Found found, const std::string& what) {
  for (DWORD waited = 0; waited < kWaitMilliseconds; waited += 50) {
    if (auto result = found()) return result;
    ::Sleep(50);
  }
  Fail("timed out waiting for " + what);
}

HWND MainWindow() { return ::FindWindowW(quillmere::control_id::kSettingsWindowClass, nullptr); }

HWND RequireMainWindow() {
  HWND window = MainWindow();
  if (!window) Fail("no settings window");
  return window;
}

HWND Control(int id) {
  HWND control = quillmere::test::FindControl(RequireMainWindow(), id);
  if (!control) Fail("no control " + std::to_string(id));
  return control;
}

// Tooltip windows are top-level windows owned by the window they serve.
struct TooltipSearch {
  HWND owner;
  HWND found;
};

BOOL CALLBACK MatchTooltip(HWND window, LPARAM lParam) {
  auto* search = reinterpret_cast<TooltipSearch*>(lParam);
  wchar_t className[64] = {};
  ::GetClassNameW(window, className, 64);
  if (::GetWindow(window, GW_OWNER) != search->owner || std::wstring(className) != TOOLTIPS_CLASSW) return TRUE;
  search->found = window;
  return FALSE;
}

LRESULT TooltipToolCount() {
  TooltipSearch search{RequireMainWindow(), nullptr};
  ::EnumWindows(&MatchTooltip, reinterpret_cast<LPARAM>(&search));
  return search.found ? ::SendMessageW(search.found, TTM_GETTOOLCOUNT, 0, 0) : 0;
}

std::wstring WindowText(HWND window) {
  std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(::GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

int Number(const std::wstring& text) { return std::stoi(text); }

void Store(const std::wstring& assignment) {
  const auto equals = assignment.find(L'=');
  if (equals == std::wstring::npos) Fail("store wants KEY=VALUE");
  const std::wstring name = assignment.substr(0, equals);
  const std::wstring value = assignment.substr(equals + 1);
  HKEY key = nullptr;
  if (::RegCreateKeyExW(HKEY_CURRENT_USER, kSettingsKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) !=
      ERROR_SUCCESS) {
    Fail("cannot create the settings key");
  }
  ::RegSetValueExW(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
  ::RegCloseKey(key);
}

void PrintSettings() {
  HKEY key = nullptr;
  if (::RegOpenKeyExW(HKEY_CURRENT_USER, kSettingsKey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return;
  for (DWORD index = 0;; ++index) {
    wchar_t name[256];
    DWORD nameLength = 256;
    wchar_t data[256] = {};
    DWORD dataSize = sizeof data - sizeof(wchar_t);
    DWORD type = 0;
    if (::RegEnumValueW(key, index, name, &nameLength, nullptr, &type, reinterpret_cast<BYTE*>(data), &dataSize) !=
        ERROR_SUCCESS) {
      break;
    }
    Print("setting " + WideToUtf8(name) + "=" + WideToUtf8(data) + (type == REG_SZ ? "" : " (not a string)"));
  }
  ::RegCloseKey(key);
}

void Start(const std::wstring& path) {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  std::wstring commandLine = L"\"" + path + L"\"";
  if (!::CreateProcessW(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process)) {
    Fail("cannot start " + WideToUtf8(path) + ": error " + std::to_string(::GetLastError()));
  }
  ::CloseHandle(process.hThread);
  program = process.hProcess;
  markTime = ::GetTickCount64();
}

// The message text is the longest static text of the box.
BOOL CALLBACK KeepLongestText(HWND child, LPARAM context) {
  wchar_t className[32] = {};
  ::GetClassNameW(child, className, 32);
  if (::lstrcmpiW(className, L"Static") != 0) return TRUE;
  auto* longest = reinterpret_cast<std::wstring*>(context);
  std::wstring text = WindowText(child);
  if (text.size() > longest->size()) *longest = text;
  return TRUE;
}

// Waits for the message box with that title, prints its text after `label` and presses OK.
void ReadAndDismissMessage(const wchar_t* title, const std::string& label) {
  HWND box = WaitFor([&] { return ::FindWindowW(L"#32770", title); }, label + " message");
  std::wstring longest;
  ::EnumChildWindows(box, &KeepLongestText, reinterpret_cast<LPARAM>(&longest));
  Print(label + " " + Visible(longest));
  ::PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
  WaitFor([&] { return !::IsWindow(box); }, "the error message to close");
}

void PostButton(int id) {
  HWND window = RequireMainWindow();
  ::PostMessageW(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(Control(id)));
}

HCURSOR CurrentCursor() {
  CURSORINFO info{};
  info.cbSize = sizeof info;
  ::GetCursorInfo(&info);
  return info.hCursor;
}

void Hover(int id) {
  HWND target = id == 0 ? RequireMainWindow() : Control(id);
  RECT rect;
  if (id == 0) {
    // Just inside the window's client area, left of the tab control.
    POINT corner = {2, 2};
    ::ClientToScreen(target, &corner);
    rect = {corner.x, corner.y, corner.x + 1, corner.y + 1};
  } else {
    ::GetWindowRect(target, &rect);
  }
  const POINT middle = {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
  // Two moves, so the window sees the pointer arrive even if it already stood there.
  ::SetCursorPos(middle.x + 1, middle.y);
  ::Sleep(50);
  ::SetCursorPos(middle.x, middle.y);
  WaitFor([&] { return ::WindowFromPoint(middle) == target; }, "the pointer over control " + std::to_string(id));
  // The window sets its pointer when the move reaches it: wait until there is one and it has
  // stayed the same for a while, letting the window's thread run in between.
  HWND window = RequireMainWindow();
  HCURSOR last = nullptr;
  int steady = 0;
  for (int i = 0; i < 100 && steady < 6; ++i) {
    DWORD_PTR ignored = 0;
    ::SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_BLOCK, 1000, &ignored);
    ::Sleep(50);
    const HCURSOR now = CurrentCursor();
    steady = now != nullptr && now == last ? steady + 1 : 0;
    last = now;
  }
}

HWND FocusedWindow() {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  ::GetGUIThreadInfo(::GetWindowThreadProcessId(RequireMainWindow(), nullptr), &info);
  return info.hwndFocus;
}

// Posts the key to the control that has the focus, as the keyboard would; it goes through the
// window's message loop.
void PressKey(const std::wstring& name) {
  const struct {
    const wchar_t* name;
    WPARAM key;
  } keys[] = {{L"escape", VK_ESCAPE}, {L"return", VK_RETURN}, {L"space", VK_SPACE}, {L"tab", VK_TAB}};
  for (const auto& entry : keys) {
    if (name != entry.name) continue;
    HWND focus = FocusedWindow();
    if (!focus) Fail("nothing has the focus");
    ::PostMessageW(focus, WM_KEYDOWN, entry.key, 1);
    ::PostMessageW(focus, WM_KEYUP, entry.key, 0xC0000001);
    ::Sleep(400);
    return;
  }
  Fail("unknown key " + WideToUtf8(name));
}

// Fonts cannot be read across processes, so look at the screen: an underline is a long run of
// link-blue pixels in one row of the link.
bool LinkLooksUnderlined() {
  HWND link = Control(quillmere::control_id::kWebsiteLink);
  RECT rect;
  ::GetWindowRect(link, &rect);
  HDC screen = ::GetDC(nullptr);
  int longest = 0;
  for (int y = rect.top; y < rect.bottom; ++y) {
    int run = 0;
    for (int x = rect.left; x < rect.right; ++x) {
      run = ::GetPixel(screen, x, y) == RGB(0, 0, 255) ? run + 1 : 0;
      if (run > longest) longest = run;
    }
  }
  ::ReleaseDC(nullptr, screen);
  return longest >= 40;
}

void Run(const std::vector<std::wstring>& words) {
  for (std::size_t i = 0; i < words.size(); ++i) {
    const std::wstring& command = words[i];
    const auto argument = [&]() -> const std::wstring& {
      if (i + 1 >= words.size()) Fail(WideToUtf8(command) + " wants an argument");
      return words[++i];
    };
    if (command == L"forget") {
      ::RegDeleteTreeW(HKEY_CURRENT_USER, kSettingsKey);
    } else if (command == L"store") {
      Store(argument());
    } else if (command == L"start") {
      Start(argument());
    } else if (command == L"window") {
      WaitFor(
          [] {
            HWND w = MainWindow();
            return w && ::IsWindowVisible(w) ? w : nullptr;
          },
          "the window");
    } else if (command == L"boxes") {
      std::string states;
      for (int box = 0; box < quillmere::kBoxCount; ++box) {
        const auto state = ::SendMessageW(Control(quillmere::control_id::kFirstBox + box), BM_GETCHECK, 0, 0);
        states += state == BST_CHECKED ? '1' : state == BST_UNCHECKED ? '0' : '?';
      }
      Print("boxes " + states);
    } else if (command == L"click") {
      ::SendMessageW(Control(quillmere::control_id::kFirstBox + Number(argument())), BM_CLICK, 0, 0);
    } else if (command == L"tab") {
      ::SendMessageW(Control(quillmere::control_id::kTabs), TCM_SETCURFOCUS, Number(argument()), 0);
    } else if (command == L"visible") {
      const int id = Number(argument());
      Print("visible " + std::to_string(id) + " " + (::IsWindowVisible(Control(id)) ? "1" : "0"));
    } else if (command == L"enabled") {
      const int id = Number(argument());
      Print("enabled " + std::to_string(id) + " " + (::IsWindowEnabled(Control(id)) ? "1" : "0"));
    } else if (command == L"tips") {
      Print("tips " + std::to_string(TooltipToolCount()));
    } else if (command == L"text") {
      const int id = Number(argument());
      Print("text " + std::to_string(id) + " " + Visible(WindowText(Control(id))));
    } else if (command == L"rect") {
      const int id = Number(argument());
      RECT rect;
      ::GetClientRect(id == 0 ? RequireMainWindow() : Control(id), &rect);
      Print("rect " + std::to_string(id) + " " + std::to_string(rect.right) + "x" + std::to_string(rect.bottom));
    } else if (command == L"underline") {
      Print(std::string("underline ") + (LinkLooksUnderlined() ? "1" : "0"));
    } else if (command == L"hover") {
      Hover(Number(argument()));
    } else if (command == L"cursor") {
      char handle[32];
      std::snprintf(handle, sizeof handle, "%p", static_cast<void*>(CurrentCursor()));
      Print(std::string("cursor ") + handle);
    } else if (command == L"click-link") {
      HWND link = Control(quillmere::control_id::kWebsiteLink);
      RECT rect;
      ::GetClientRect(link, &rect);
      const LPARAM middle = MAKELPARAM(rect.right / 2, rect.bottom / 2);
      ::PostMessageW(link, WM_LBUTTONDOWN, MK_LBUTTON, middle);
      ::PostMessageW(link, WM_LBUTTONUP, 0, middle);
    } else if (command == L"key") {
      PressKey(argument());
    } else if (command == L"responds") {
      DWORD_PTR ignored = 0;
      const bool answered = ::SendMessageTimeoutW(RequireMainWindow(), WM_NULL, 0, 0, SMTO_NORMAL, 1000, &ignored) != 0;
      Print(std::string("responds ") + (answered ? "1" : "0"));
    } else if (command == L"focus") {
      Print("focus " + std::to_string(::GetDlgCtrlID(FocusedWindow())));
    } else if (command == L"error") {
      ReadAndDismissMessage(L"Application Error", "error");
    } else if (command == L"notice") {
      ReadAndDismissMessage(L"Quillmere", "notice");
    } else if (command == L"ok") {
      PostButton(quillmere::control_id::kOkButton);
    } else if (command == L"cancel") {
      PostButton(quillmere::control_id::kCancelButton);
    } else if (command == L"close") {
      ::PostMessageW(RequireMainWindow(), WM_CLOSE, 0, 0);
    } else if (command == L"exit") {
      if (!program) Fail("nothing was started");
      if (::WaitForSingleObject(program, kWaitMilliseconds) != WAIT_OBJECT_0) Fail("the program did not end");
      DWORD code = 0;
      ::GetExitCodeProcess(program, &code);
      Print("exit " + std::to_string(code));
    } else if (command == L"settings") {
      PrintSettings();
    } else if (command == L"addin") {
      HKEY key = nullptr;
      const bool present = ::RegOpenKeyExW(HKEY_CURRENT_USER, kAddInEntry, 0, KEY_READ, &key) == ERROR_SUCCESS;
      if (present) ::RegCloseKey(key);
      Print(std::string("addin-entry ") + (present ? "present" : "absent"));
    } else if (command == L"mark") {
      markTime = ::GetTickCount64();
    } else if (command == L"elapsed") {
      Print("elapsed " + std::to_string(::GetTickCount64() - markTime));
    } else if (command == L"sleep") {
      ::Sleep(static_cast<DWORD>(Number(argument())));
    } else {
      Fail("unknown command " + WideToUtf8(command));
    }
  }
}

}  // namespace

// Runs one command line and waits for it; its exit code, or a note that it did not start.
std::string RunAndWait(const std::string& line) {
  std::wstring commandLine = quillmere::Utf8ToWide(line);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process)) {
    return "not started";
  }
  ::WaitForSingleObject(process.hProcess, kWaitMilliseconds);
  DWORD code = 0;
  ::GetExitCodeProcess(process.hProcess, &code);
  ::CloseHandle(process.hProcess);
  ::CloseHandle(process.hThread);
  return "exit " + std::to_string(code);
}

std::wstring OwnFileName() {
  wchar_t module[MAX_PATH] = {};
  ::GetModuleFileNameW(nullptr, module, MAX_PATH);
  const std::wstring path = module;
  return path.substr(path.find_last_of(L'\\') + 1);
}

// Copied as regsvr32.exe, the driver stands in for a slow registration program: it takes 5 s and
// succeeds, and notes beside itself that it ran.
bool StandInForSlowRegistration() {
  if (::lstrcmpiW(OwnFileName().c_str(), L"regsvr32.exe") != 0) return false;
  ::Sleep(5000);
  if (FILE* file = ::_wfopen(L"regsvr32-ran.txt", L"ab")) std::fclose(file);
  return true;
}

// Copied as POWERPNT.exe, the driver stands in for PowerPoint: it notes beside itself that it
// was started and runs the command lines of "POWERPNT.args" there, one by one (a host that
// loads the add-in), noting each one's exit code.
bool StandInForPowerPoint(int argc, wchar_t** argv) {
  wchar_t module[MAX_PATH] = {};
  ::GetModuleFileNameW(nullptr, module, MAX_PATH);
  const std::wstring path = module;
  const auto slash = path.find_last_of(L'\\');
  if (::lstrcmpiW(path.c_str() + slash + 1, L"POWERPNT.exe") != 0) return false;
  const std::wstring folder = path.substr(0, slash);
  // What it was given and where it was started, for callers that pass a target.
  std::string note = "started";
  for (int i = 1; i < argc; ++i) note.append(" ").append(WideToUtf8(argv[i]));
  wchar_t directory[MAX_PATH] = {};
  ::GetCurrentDirectoryW(MAX_PATH, directory);
  note.append(" in ").append(WideToUtf8(directory)).append("\n");
  if (FILE* args = ::_wfopen((folder + L"\\POWERPNT.args").c_str(), L"rb")) {
    char buffer[256];
    while (std::fgets(buffer, sizeof buffer, args)) {
      std::string line = buffer;
      while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.pop_back();
      if (!line.empty()) note += line + ": " + RunAndWait(line) + "\n";
    }
    std::fclose(args);
  }
  if (FILE* file = ::_wfopen((folder + L"\\started.txt").c_str(), L"ab")) {
    std::fwrite(note.data(), 1, note.size(), file);
    std::fclose(file);
  }
  return true;
}

int wmain(int argc, wchar_t** argv) {
  if (StandInForPowerPoint(argc, argv) || StandInForSlowRegistration()) return 0;
  if (argc < 2) return 2;
  output = ::_wfopen(argv[1], L"w");
  if (!output) return 2;
  Run(std::vector<std::wstring>(argv + 2, argv + argc));
  std::fclose(output);
  return 0;
}
