#include "addin/about_window_win.h"

#include <algorithm>
#include <new>
#include <span>
#include <string>

#include "addin/about_window_design.h"
#include "common/version_resource.h"
#include "common/product_info.h"
#include "common/program_files.h"
#include "common/unique_handle_win.h"
#include "common/utf16_text.h"
#include "common/window_helpers_win.h"
#include "common/window_look_win.h"
#include "common/windows_error_win.h"
#include "common/texts/product_texts.h"

namespace quillmere {

namespace {

constexpr wchar_t kWindowClass[] = L"Quillmere.About";
constexpr int kTitleId = 101;
constexpr int kVersionId = 102;
constexpr int kWebsiteLabelId = 103;
constexpr int kLinkId = 104;

std::optional<FileVersion> OwnFileVersion() {
  const HMODULE module = CodeModule();
  // The version resource is always number 1 (VS_VERSION_INFO).
  HRSRC resource = ::FindResourceW(module, MAKEINTRESOURCEW(1), RT_VERSION);
  if (!resource) return std::nullopt;
  HGLOBAL loaded = ::LoadResource(module, resource);
  const void* data = loaded ? ::LockResource(loaded) : nullptr;
  if (!data) return std::nullopt;
  return ParseFileVersion({static_cast<const std::byte*>(data), ::SizeofResource(module, resource)});
}

class AboutWindow {
 public:
  static HWND Open(UiLanguage language);
  static HWND Current() noexcept { return current_; }

 private:
  AboutWindow(HWND window, UiLanguage language) : window_(window), language_(language) {}

  // Windows calls these: nothing may leave them by exception.
  static LRESULT CALLBACK StaticWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept;
  static LRESULT CALLBACK KeyboardHook(int code, WPARAM wParam, LPARAM lParam) noexcept;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);

  void CreateControls();
  void Load();
  void LayOut();
  void FitToText(HWND label, const std::wstring& text, int rightLimit);
  void PaintBackground(HDC dc);
  void PaintLines(HDC dc);
  void Close();
  LRESULT LabelColors(HDC dc, HWND label);
  BOOL SetPointer(HWND under);
  HWND Control(int id) const { return ::GetDlgItem(window_, id); }

  static HWND current_;
  static HHOOK hook_;

  HWND window_;
  UiLanguage language_;
  HWND button_ = nullptr;
  int dpi_ = kDefaultDpi;
  UniqueFont titleFont_, boldFont_, buttonFont_;
  WindowLook look_;
};

HWND AboutWindow::current_ = nullptr;
HHOOK AboutWindow::hook_ = nullptr;

HWND AboutWindow::Open(UiLanguage language) {
  const HINSTANCE module = CodeModule();
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = &AboutWindow::StaticWindowProc;
  windowClass.hInstance = module;
  windowClass.hCursor = nullptr;  // WM_SETCURSOR decides
  windowClass.lpszClassName = kWindowClass;
  if (!::RegisterClassExW(&windowClass) && ::GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
    ThrowLastError("registering the About window's class");
  }

  // Hidden until it is loaded; no owner, so PowerPoint stays usable and the window has its own
  // taskbar button.
  HWND window = ::CreateWindowExW(WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT, kWindowClass, L"",
                                  WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN, 0, 0, 0, 0, nullptr, nullptr,
                                  module, &language);
  if (!window) {
    try {
      ThrowLastError("creating the About window");
    } catch (...) {
      ::UnregisterClassW(kWindowClass, module);  // after the error is read
      throw;
    }
  }
  auto* about = reinterpret_cast<AboutWindow*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
  try {
    about->Load();
  } catch (...) {
    about->Close();
    throw;
  }
  current_ = window;
  hook_ = ::SetWindowsHookExW(WH_GETMESSAGE, &AboutWindow::KeyboardHook, nullptr, ::GetCurrentThreadId());
  return window;
}

void AboutWindow::CreateControls() {
  const auto label = [&](int id, DWORD extraStyle) {
    return ::CreateWindowExW(0, L"Static", L"", WS_CHILD | WS_VISIBLE | SS_NOTIFY | SS_NOPREFIX | extraStyle, 0, 0, 0,
                             0, window_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), CodeModule(), nullptr);
  };
  if (!label(kTitleId, SS_LEFT) || !label(kVersionId, SS_LEFTNOWORDWRAP) ||
      !label(kWebsiteLabelId, SS_LEFTNOWORDWRAP) || !label(kLinkId, SS_LEFTNOWORDWRAP)) {
    ThrowLastError("creating the About window's labels");
  }
  ::SetWindowTextW(Control(kWebsiteLabelId), Utf8ToWide(Text(TextId::Website, language_)).c_str());
  ::SetWindowTextW(Control(kLinkId), kVendorWebSiteTextWide.c_str());
  button_ = ::CreateWindowExW(0, L"Button", Utf8ToWide(Text(TextId::Ok, language_)).c_str(),
                              WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 0, 0, 0, 0, window_,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDOK)), CodeModule(), nullptr);
  CheckLastError(button_ != nullptr, "creating the About window's button");
}

// The designed load steps, in their order.
void AboutWindow::Load() {
  CreateControls();
  LayOut();

  const std::wstring cursorPath = HandCursorPath(ProgramFolder());
  if (FileExists(cursorPath)) {
    UniqueCursor hand = LoadCursorFile(cursorPath);
    CheckLastError(static_cast<bool>(hand), "loading the hand cursor", ERROR_INVALID_DATA);
    look_.Link().SetHandCursor(std::move(hand));
  }

  CheckLastError(::SetWindowTextW(window_, Utf8ToWide(Text(TextId::About, language_)).c_str()), "setting the title");

  look_.ApplySkin(window_);

  const std::optional<FileVersion> version = OwnFileVersion();
  if (!version) ThrowWin32("reading the version resource", ERROR_RESOURCE_TYPE_NOT_FOUND);
  const std::wstring versionText = Utf8ToWide(Text(TextId::AboutVersion, language_)) + VersionNumber(*version);
  CheckLastError(::SetWindowTextW(Control(kVersionId), versionText.c_str()), "setting the version");
  if (language_ != UiLanguage::English) {
    // Translations run longer: the website caption may take the room up to the link, the
    // version the room up to the window's edge.
    FitToText(Control(kWebsiteLabelId), Utf8ToWide(Text(TextId::Website, language_)),
              TwipsToPixels(about::kLink.bounds.left, dpi_));
    FitToText(Control(kVersionId), versionText, TwipsToPixels(about::kClientWidth, dpi_));
  }

  CheckLastError(::SetWindowTextW(Control(kTitleId), kProductNameWide.c_str()), "setting the product name");

  CheckLastError(look_.SetProductIcons(window_, CodeModule()), "loading the product icon",
                 ERROR_RESOURCE_NAME_NOT_FOUND);
}

void AboutWindow::LayOut() {
  dpi_ = WindowDpi(window_);
  titleFont_ = CreateDesignedFont(about::kTitle.font, dpi_);
  boldFont_ = CreateDesignedFont(about::kVersion.font, dpi_, language_);
  buttonFont_ = CreateDesignedFont(about::kOkButton.font, dpi_, language_);
  CheckLastError(titleFont_ && boldFont_ && look_.Link().CreateFonts(about::kLink.font, dpi_) && buttonFont_,
                 "creating the fonts");

  const auto place = [&](HWND control, const TwipsRect& bounds, HFONT font) {
    const PixelRect pixels = TwipsToPixels(bounds, dpi_);
    ::MoveWindow(control, pixels.left, pixels.top, pixels.width, pixels.height, FALSE);
    ::SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  };
  place(Control(kTitleId), about::kTitle.bounds, titleFont_.get());
  place(Control(kVersionId), about::kVersion.bounds, boldFont_.get());
  place(Control(kWebsiteLabelId), about::kWebsiteLabel.bounds, boldFont_.get());
  place(Control(kLinkId), about::kLink.bounds, look_.Link().Font());
  place(button_, about::kOkButton.bounds, buttonFont_.get());

  RECT frame{0, 0, TwipsToPixels(about::kClientWidth, dpi_), TwipsToPixels(about::kClientHeight, dpi_)};
  ::AdjustWindowRectEx(&frame, static_cast<DWORD>(::GetWindowLongPtrW(window_, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(::GetWindowLongPtrW(window_, GWL_EXSTYLE)));
  ::SetWindowPos(window_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  CenterOnScreen(window_);
}

// Widens a one-line label to the text it shows, never past rightLimit (pixels in the window).
void AboutWindow::FitToText(HWND label, const std::wstring& text, int rightLimit) {
  const WindowDc dc(label);
  if (!dc.get()) return;
  const auto font = reinterpret_cast<HFONT>(::SendMessageW(label, WM_GETFONT, 0, 0));
  const HGDIOBJ old = ::SelectObject(dc.get(), font);
  SIZE extent{};
  const BOOL measured = ::GetTextExtentPoint32W(dc.get(), text.c_str(), static_cast<int>(text.size()), &extent);
  ::SelectObject(dc.get(), old);
  if (!measured) return;
  RECT bounds{};
  ::GetWindowRect(label, &bounds);
  ::MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&bounds), 2);
  const int width = std::min<int>(std::max<int>(bounds.right - bounds.left, extent.cx), rightLimit - bounds.left);
  ::SetWindowPos(label, nullptr, 0, 0, width, bounds.bottom - bounds.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT AboutWindow::LabelColors(HDC dc, HWND label) {
  const int id = ::GetDlgCtrlID(label);
  const about::LabelDesign& design = id == kTitleId     ? about::kTitle
                                     : id == kVersionId ? about::kVersion
                                     : id == kLinkId    ? about::kLink
                                                        : about::kWebsiteLabel;
  const OleColor back = look_.ControlBackColor(label, design.back);
  ::SetTextColor(dc, ToColorRef(design.text));
  ::SetBkColor(dc, ToColorRef(back));
  return reinterpret_cast<LRESULT>(look_.Brush(back));
}

void AboutWindow::PaintBackground(HDC dc) {
  RECT client{};
  ::GetClientRect(window_, &client);
  ::FillRect(dc, &client, look_.Brush(look_.BackColor(about::kWindowBack)));
}

void AboutWindow::PaintLines(HDC dc) {
  for (const LineDesign& line : about::kLines) DrawLine(dc, line, dpi_);
}

BOOL AboutWindow::SetPointer(HWND under) {
  const HWND link = Control(kLinkId);
  look_.Link().PointerOver(under == link      ? HoverArea::Link
                           : under == button_ ? HoverArea::Clickable
                           : under == window_ ? HoverArea::Background
                                              : HoverArea::Inert,
                           link);
  return TRUE;
}

// OK, Enter, Esc and the close box all unload the window; the next ShowAbout0 loads it afresh.
void AboutWindow::Close() {
  const HINSTANCE module = CodeModule();
  ::DestroyWindow(window_);  // deletes this
  ::UnregisterClassW(kWindowClass, module);
}

LRESULT AboutWindow::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND: PaintBackground(reinterpret_cast<HDC>(wParam)); return TRUE;
    case WM_PAINT: {
      PAINTSTRUCT paint{};
      HDC dc = ::BeginPaint(window_, &paint);
      PaintLines(dc);
      ::EndPaint(window_, &paint);
      return 0;
    }
    case WM_PRINTCLIENT:
      if (lParam & PRF_ERASEBKGND) PaintBackground(reinterpret_cast<HDC>(wParam));
      PaintLines(reinterpret_cast<HDC>(wParam));
      return 0;
    case WM_CTLCOLORSTATIC: return LabelColors(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_CTLCOLORBTN: return reinterpret_cast<LRESULT>(look_.Brush(look_.BackColor(about::kWindowBack)));
    case WM_SETCURSOR:
      if (LOWORD(lParam) != HTCLIENT) return ::DefWindowProcW(window_, message, wParam, lParam);
      return SetPointer(reinterpret_cast<HWND>(wParam));
    case DM_GETDEFID: return MAKELRESULT(IDOK, DC_HASDEFID);
    case WM_ACTIVATE:
      if (LOWORD(wParam) != WA_INACTIVE) ::SetFocus(button_);
      return 0;
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
        Close();
      } else if (LOWORD(wParam) == kLinkId && HIWORD(wParam) == STN_CLICKED) {
        ShellOpen(window_, std::wstring(kVendorWebAddressWide));
      }
      return 0;
    case WM_CLOSE: Close(); return 0;
    default: return ::DefWindowProcW(window_, message, wParam, lParam);
  }
}

LRESULT CALLBACK AboutWindow::StaticWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    const auto* language = static_cast<const UiLanguage*>(create->lpCreateParams);
    auto* about = new (std::nothrow) AboutWindow(window, language ? *language : UiLanguage::English);
    if (!about) return FALSE;
    ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(about));
  }
  // The window holds the object from WM_NCCREATE and frees it on WM_NCDESTROY.
  // NOLINTNEXTLINE(clang-analyzer-cplusplus.NewDeleteLeaks)
  auto* about = reinterpret_cast<AboutWindow*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!about) return ::DefWindowProcW(window, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    ::SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    if (current_ == window) {
      current_ = nullptr;
      if (hook_) ::UnhookWindowsHookEx(std::exchange(hook_, nullptr));
    }
    delete about;
    return ::DefWindowProcW(window, message, wParam, lParam);
  }
  try {
    return about->WindowProc(message, wParam, lParam);
  } catch (...) {
    // Nothing may escape into the host's message loop.
    return ::DefWindowProcW(window, message, wParam, lParam);
  }
}

// The host owns the message loop and knows nothing of this window, so the dialog keys (Enter,
// Esc, Tab) are given to the dialog manager here, before the host translates and dispatches them.
LRESULT CALLBACK AboutWindow::KeyboardHook(int code, WPARAM wParam, LPARAM lParam) noexcept {
  if (code == HC_ACTION && wParam == PM_REMOVE) {
    auto* message = reinterpret_cast<MSG*>(lParam);
    const HWND window = current_;
    if (window && message->message >= WM_KEYFIRST && message->message <= WM_KEYLAST &&
        (message->hwnd == window || ::IsChild(window, message->hwnd)) && ::IsDialogMessageW(window, message)) {
      message->message = WM_NULL;
      message->wParam = 0;
      message->lParam = 0;
    }
  }
  return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

void ShowAboutWindow(UiLanguage language) {
  HWND window = AboutWindow::Current();
  if (!window) window = AboutWindow::Open(language);
  const bool fresh = !::IsWindowVisible(window);
  ::ShowWindow(window, SW_SHOWNORMAL);
  ::SetForegroundWindow(window);
  // A dialog starts on its default button.
  if (fresh) ::SetFocus(::GetDlgItem(window, IDOK));
}

HWND AboutWindowHandle() noexcept { return AboutWindow::Current(); }

void CloseAboutWindow() noexcept {
  const HWND window = AboutWindow::Current();
  if (!window) return;
  // Only its own thread may destroy a window; another thread can only ask.
  if (::GetWindowThreadProcessId(window, nullptr) == ::GetCurrentThreadId()) {
    ::SendMessageW(window, WM_CLOSE, 0, 0);
  } else {
    ::PostMessageW(window, WM_CLOSE, 0, 0);
  }
}

}  // namespace quillmere
