#include "panel/settings_window_win.h"

#include <commctrl.h>
#include <oleacc.h>
#include <wrl/client.h>

#include <algorithm>
#include <utility>

#include "common/product_info.h"
#include "common/program_files.h"
#include "common/settings_table.h"
#include "common/texts/product_texts.h"
#include "common/utf16_text.h"
#include "common/window_helpers_win.h"
#include "common/windows_error_win.h"
#include "panel/control_ids.h"
#include "panel/error_message.h"
#include "panel/powerpoint_win.h"
#include "panel/settings_layout.h"
#include "panel/window_colors.h"

namespace quillmere {
namespace {

constexpr UINT_PTR kFrameSubclassId = 1;
// How long OK waits for the shell to finish starting PowerPoint before the program ends.
constexpr DWORD kPowerPointLaunchWaitMilliseconds = 10000;

bool HighContrastOn() {
  HIGHCONTRASTW contrast{};
  contrast.cbSize = sizeof contrast;
  return ::SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) &&
         (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

}  // namespace

SettingsWindow::SettingsWindow(HINSTANCE instance, SettingsStore& store, AddInInstaller& installer,
                               std::vector<PolicySource> policies)
    : instance_(instance),
      language_(LanguageOfLcid(::GetUserDefaultUILanguage())),
      captions_(layout::CaptionsIn(language_)),
      layout_(layout::DesignedLayout()),
      panel_(store, *this, installer, std::move(policies), language_) {}

SettingsWindow::~SettingsWindow() {
  if (window_) ::DestroyWindow(window_);
}

int SettingsWindow::Run(int showCommand) {
  if (!Create()) return 1;
  panel_.Initialize();
  panel_.Load();
  if (!window_) return 0;  // a set-up step may have closed it
  ::ShowWindow(window_, showCommand);
  // cppcheck-suppress nullPointerRedundantCheck ; checked above; the loop checks again because a dispatched message may
  // close it
  ::UpdateWindow(window_);
  MSG message;
  while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (window_ && SwitchTabByKey(message)) continue;
    if (window_ && ::IsDialogMessageW(window_, &message)) continue;
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
  }
  return 0;
}

bool SettingsWindow::Create() {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = &SettingsWindow::StaticWindowProc;
  windowClass.hInstance = instance_;
  windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  windowClass.lpszClassName = control_id::kSettingsWindowClass;
  if (!::RegisterClassExW(&windowClass) && ::GetLastError() != ERROR_CLASS_ALREADY_EXISTS) return false;

  const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
  const DWORD exStyle = WS_EX_CONTROLPARENT;
  dpi_ = WindowDpi(nullptr);
  CreateFonts();
  // English keeps the design as it is, whatever the fonts measure.
  if (language_ != UiLanguage::English) {
    layout_ = layout::FitCaptions(
        layout::MeasureCaptions(captions_, [this](auto control, auto text) { return MeasureCaption(control, text); }),
        dpi_);
  }
  RECT frame = {0, 0, Pixels(layout_.clientWidth), Pixels(layout_.clientHeight)};
  ::AdjustWindowRectEx(&frame, style, FALSE, exStyle);
  window_ = ::CreateWindowExW(exStyle, control_id::kSettingsWindowClass, kProductNameWide.c_str(), style, CW_USEDEFAULT,
                              CW_USEDEFAULT, frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr,
                              instance_, this);
  if (!window_) return false;
  CreateControls();
  return true;
}

HWND SettingsWindow::AddControl(HWND parent, const wchar_t* className, const wchar_t* text, DWORD style,
                                const TwipsRect& rect, int id, HFONT font) {
  const PixelRect pixels = TwipsToPixels(rect, dpi_);
  HWND control =
      ::CreateWindowExW(0, className, text, WS_CHILD | WS_VISIBLE | style, pixels.left, pixels.top, pixels.width,
                        pixels.height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance_, nullptr);
  if (control && font) ::SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  return control;
}

// The designed fonts; translated texts in a script Arial lacks get the same sizes in a face that
// has it. The product name and the web address are Latin in every language.
void SettingsWindow::CreateFonts() {
  windowFont_ = CreateDesignedFont(layout::kWindowFont, dpi_, language_);
  titleFont_ = CreateDesignedFont(layout::kTitleFont, dpi_);
  versionFont_ = CreateDesignedFont(layout::kVersionFont, dpi_, language_);
  look_.Link().CreateFonts(layout::kLinkFont, dpi_);
}

// The caption's extent in its control's font, and what the control draws beside it.
layout::PixelSize SettingsWindow::MeasureCaption(layout::CaptionControl control, std::string_view text) {
  using layout::CaptionControl;
  const std::wstring wide = Utf8ToWide(text);
  const WindowDc screen(nullptr);
  if (!screen.get()) return {};
  HFONT font = control == CaptionControl::Label  ? versionFont_.get()
               : control == CaptionControl::Link ? look_.Link().Font()
                                                 : windowFont_.get();
  HGDIOBJ old = ::SelectObject(screen.get(), font);
  SIZE extent{};
  ::GetTextExtentPoint32W(screen.get(), wide.c_str(), static_cast<int>(wide.size()), &extent);
  TEXTMETRICW metrics{};
  ::GetTextMetricsW(screen.get(), &metrics);
  ::SelectObject(screen.get(), old);

  layout::PixelSize need{extent.cx, std::max<int>(extent.cy, metrics.tmHeight)};
  const int edge = ::GetSystemMetrics(SM_CXEDGE);
  switch (control) {
    case CaptionControl::CheckBox:
      // The check mark, the gap after it and the focus rectangle round the text.
      need.width += ::GetSystemMetrics(SM_CXMENUCHECK) + metrics.tmAveCharWidth + 2 * edge;
      break;
    case CaptionControl::Button: need.width += 2 * (metrics.tmAveCharWidth + 2 * edge); break;
    case CaptionControl::TabItem:
      // The item's padding; the selected tab stands out above the others.
      need.width += 2 * metrics.tmAveCharWidth + 4 * edge;
      need.height += ::MulDiv(6, dpi_, kDefaultDpi);
      break;
    case CaptionControl::Label:
    case CaptionControl::Link: break;
  }
  return need;
}

void SettingsWindow::CreateControls() {
  tabs_ = AddControl(window_, WC_TABCONTROLW, L"", WS_CLIPCHILDREN | WS_CLIPSIBLINGS | WS_TABSTOP, layout_.tabs,
                     control_id::kTabs, windowFont_.get());
  ::SetWindowLongPtrW(tabs_, GWL_EXSTYLE, ::GetWindowLongPtrW(tabs_, GWL_EXSTYLE) | WS_EX_CONTROLPARENT);
  for (int i = 0; i < 2; ++i) {
    std::wstring caption = Utf8ToWide(captions_.tabs[static_cast<std::size_t>(i)]);
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = caption.data();
    ::SendMessageW(tabs_, TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
  }

  // Frames are group boxes drawn by this window, so they hold controls and the skin sees them
  // as frames.
  const auto addFrame = [&](const TwipsRect& rect, int id, bool visible) {
    HWND frame = AddControl(tabs_, L"Button", L"", BS_GROUPBOX, rect, id, nullptr);
    ::SetWindowLongPtrW(frame, GWL_EXSTYLE, ::GetWindowLongPtrW(frame, GWL_EXSTYLE) | WS_EX_CONTROLPARENT);
    ::SetWindowSubclass(frame, &SettingsWindow::StaticFrameProc, kFrameSubclassId, reinterpret_cast<DWORD_PTR>(this));
    if (!visible) ::ShowWindow(frame, SW_HIDE);
    return frame;
  };
  powerPointFrame_ = addFrame(layout_.powerPointFrame, control_id::kPowerPointFrame, true);
  aboutFrame_ = addFrame(layout_.aboutFrame, control_id::kAboutFrame, false);

  // Created in the settings' order, which is the designed tab order.
  for (const Setting& setting : kSettings) {
    const int index = setting.box;
    const auto box = static_cast<std::size_t>(index);
    boxes_[box] = AddControl(powerPointFrame_, L"Button", Utf8ToWide(captions_.boxes[box]).c_str(),
                             BS_CHECKBOX | BS_MULTILINE | WS_TABSTOP, layout_.boxes[box], control_id::kFirstBox + index,
                             windowFont_.get());
  }

  titleLabel_ =
      AddControl(aboutFrame_, L"Static", L"", SS_CENTER, layout_.titleLabel, control_id::kTitleLabel, titleFont_.get());
  versionLabel_ = AddControl(aboutFrame_, L"Static", L"", SS_CENTER, layout_.versionLabel, control_id::kVersionLabel,
                             versionFont_.get());
  AddControl(aboutFrame_, L"Static", Utf8ToWide(captions_.website).c_str(), SS_LEFT, layout_.websiteCaption,
             control_id::kWebsiteCaption, versionFont_.get());
  linkLabel_ = AddControl(aboutFrame_, L"Static", kVendorWebSiteTextWide.c_str(), SS_LEFT | SS_NOTIFY,
                          layout_.websiteLink, control_id::kWebsiteLink, look_.Link().Font());

  AddControl(window_, L"Button", Utf8ToWide(captions_.ok).c_str(), BS_DEFPUSHBUTTON | WS_TABSTOP, layout_.okButton,
             control_id::kOkButton, windowFont_.get());
  AddControl(window_, L"Button", Utf8ToWide(captions_.cancel).c_str(), BS_PUSHBUTTON | WS_TABSTOP, layout_.cancelButton,
             control_id::kCancelButton, windowFont_.get());
}

// PanelWindow ------------------------------------------------------------------------------------

void SettingsWindow::ApplySkin() {
  if (look_.ApplySkin(window_)) ::InvalidateRect(window_, nullptr, TRUE);
}

void SettingsWindow::SetTitle(std::string_view title) {
  CheckLastError(::SetWindowTextW(window_, Utf8ToWide(title).c_str()), "Setting the title", kNoFallback);
}

void SettingsWindow::SetProductIcon() {
  CheckLastError(look_.SetProductIcons(window_, instance_), "Loading the product icon", kNoFallback);
}

void SettingsWindow::SetTitleLabel(std::string_view text) {
  CheckLastError(::SetWindowTextW(titleLabel_, Utf8ToWide(text).c_str()), "Setting the title label", kNoFallback);
}

void SettingsWindow::SetVersionLabel(std::string_view text) {
  CheckLastError(::SetWindowTextW(versionLabel_, Utf8ToWide(text).c_str()), "Setting the version label", kNoFallback);
}

void SettingsWindow::CenterOnScreen() { ::quillmere::CenterOnScreen(window_); }

bool SettingsWindow::HandCursorFileExists() { return FileExists(HandCursorPath(ProgramFolder())); }

void SettingsWindow::LoadHandCursor() {
  UniqueCursor hand = LoadCursorFile(HandCursorPath(ProgramFolder()));
  if (!hand) throw StepFailure("Invalid picture");
  look_.Link().SetHandCursor(std::move(hand));
}

void SettingsWindow::ShowBox(int index, bool checked) {
  ::SendMessageW(boxes_.at(static_cast<std::size_t>(index)), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

// A disabled box gets no mouse messages, so its tip is a tool of the frame over the box's area.
void SettingsWindow::LockBox(int index, PolicyLock why) {
  const std::wstring lockedText =
      Utf8ToWide(Text(why == PolicyLock::Enforced ? TextId::PanelLocked : TextId::PanelLockedUnreadable, language_));
  HWND box = boxes_.at(static_cast<std::size_t>(index));
  ::EnableWindow(box, FALSE);

  if (!tooltip_) {
    tooltip_ = ::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                                 CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window_, nullptr, instance_, nullptr);
  }
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.uFlags = TTF_SUBCLASS;
  tool.hwnd = powerPointFrame_;
  tool.uId = static_cast<UINT_PTR>(control_id::kFirstBox) + static_cast<UINT_PTR>(index);
  ::GetWindowRect(box, &tool.rect);
  ::MapWindowPoints(nullptr, powerPointFrame_, reinterpret_cast<POINT*>(&tool.rect), 2);
  tool.lpszText = const_cast<wchar_t*>(lockedText.c_str());
  CheckLastError(tooltip_ && ::SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool)),
                 "Adding the box's tip", kNoFallback);

  // Screen readers read the same reason as the box's description.
  Microsoft::WRL::ComPtr<IAccPropServices> annotations;
  if (SUCCEEDED(::CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices,
                                   reinterpret_cast<void**>(annotations.GetAddressOf())))) {
    annotations->SetHwndPropStr(box, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, PROPID_ACC_DESCRIPTION,
                                lockedText.c_str());
  }
}

void SettingsWindow::ShowError(std::string_view title, std::string_view message) {
  ::MessageBoxW(window_, Utf8ToWide(message).c_str(), Utf8ToWide(title).c_str(), MB_OK | MB_ICONEXCLAMATION);
}

void SettingsWindow::ShowNotice(std::string_view message) {
  ::MessageBoxW(window_, Utf8ToWide(message).c_str(), kProductNameWide.c_str(), MB_OK | MB_ICONWARNING);
}

// The program whose header the bitness check read, by its full path: given a bare name the shell
// may find a POWERPNT.exe planted beside this program (in a Downloads folder, say). Started from
// the system folder, where no user can plant a library PowerPoint would load. Without a
// PowerPoint there is nothing to start. The program ends right after; the launch must be
// complete by then.
void SettingsWindow::StartPowerPoint() {
  const std::wstring powerPoint = PowerPointProgramPath();
  if (powerPoint.empty()) return;
  ShellOpen(window_, powerPoint, SystemFolder(), kPowerPointLaunchWaitMilliseconds);
}

void SettingsWindow::Close() {
  if (window_) ::DestroyWindow(window_);
}

// Messages ---------------------------------------------------------------------------------------

LRESULT CALLBACK SettingsWindow::StaticWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
  auto* self = reinterpret_cast<SettingsWindow*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
  if (message == WM_NCCREATE) {
    self = static_cast<SettingsWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    self->window_ = window;
    ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  if (!self) return ::DefWindowProcW(window, message, wParam, lParam);
  try {
    return self->WindowProc(window, message, wParam, lParam);
  } catch (...) {
    // Nothing may leave a window procedure; the handlers report their own failures.
    return ::DefWindowProcW(window, message, wParam, lParam);
  }
}

// `window` is the handle the message came with: window_ is cleared on WM_DESTROY, and messages
// still follow it.
LRESULT SettingsWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND: OnCommand(LOWORD(wParam), HIWORD(wParam)); return 0;
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(lParam);
      if (header->hwndFrom == tabs_ && header->code == TCN_SELCHANGE) OnTabChanged();
      return 0;
    }
    case WM_SETCURSOR:
      if (OnSetCursor(reinterpret_cast<HWND>(wParam), LOWORD(lParam))) return TRUE;
      break;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      return reinterpret_cast<LRESULT>(OnControlColor(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam)));
    case WM_ERASEBKGND: {
      RECT client;
      ::GetClientRect(window_, &client);
      const OleColor back = look_.BackColor(kDesignedBackColor);
      ::FillRect(reinterpret_cast<HDC>(wParam), &client, look_.Brush(PaintedBackColor(back, HighContrastOn())));
      return 1;
    }
    case WM_ACTIVATE:
      // Like a dialog: the focus goes back to the control that had it, at first to box 0. (The tab
      // control holds the frames, so Tab walks through it instead of stopping on it.)
      if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = ::GetFocus();
        if (focus && ::IsChild(window_, focus)) lastFocus_ = focus;
      } else {
        ::SetFocus(lastFocus_ && ::IsWindow(lastFocus_) ? lastFocus_ : boxes_[kClassicBox]);
      }
      return 0;
    case DM_GETDEFID: return MAKELRESULT(control_id::kOkButton, DC_HASDEFID);
    case WM_CLOSE:
      // The close box ends the program without saving, like Cancel; not while OK saves.
      if (!saving_) ::DestroyWindow(window_);
      return 0;
    case WM_DESTROY:
      window_ = nullptr;
      ::PostQuitMessage(0);
      return 0;
  }
  return ::DefWindowProcW(window, message, wParam, lParam);
}

void SettingsWindow::OnCommand(int id, int code) {
  // An error message inside OK lets clicks through; OK must not run twice or be cancelled halfway.
  if (saving_) return;
  if (id == control_id::kOkButton && code == BN_CLICKED) {
    // The window keeps handling messages while OK waits for the registration program.
    saving_ = true;
    ::SetCursor(::LoadCursorW(nullptr, IDC_WAIT));
    panel_.Ok();
    saving_ = false;
  } else if (id == control_id::kCancelButton && code == BN_CLICKED) {
    panel_.Cancel();
  } else if (id >= control_id::kFirstBox && id < control_id::kFirstBox + kBoxCount && code == BN_CLICKED) {
    panel_.ClickBox(id - control_id::kFirstBox);
  } else if (id == control_id::kWebsiteLink && code == STN_CLICKED) {
    ShellOpen(window_, std::wstring(kVendorWebAddressWide));
  }
}

// Ctrl+Tab and Ctrl+Page Down go to the next tab, with Shift or Page Up to the previous one.
bool SettingsWindow::SwitchTabByKey(const MSG& message) {
  if (message.message != WM_KEYDOWN || (::GetKeyState(VK_CONTROL) & 0x8000) == 0) return false;
  if (!::IsChild(window_, message.hwnd) && message.hwnd != window_) return false;
  const bool back = message.wParam == VK_PRIOR || (message.wParam == VK_TAB && (::GetKeyState(VK_SHIFT) & 0x8000));
  if (message.wParam != VK_TAB && message.wParam != VK_NEXT && message.wParam != VK_PRIOR) return false;
  const auto count = ::SendMessageW(tabs_, TCM_GETITEMCOUNT, 0, 0);
  const auto current = ::SendMessageW(tabs_, TCM_GETCURSEL, 0, 0);
  ::SendMessageW(tabs_, TCM_SETCURFOCUS, (current + (back ? count - 1 : 1)) % count, 0);
  return true;
}

void SettingsWindow::OnTabChanged() {
  const auto selected = ::SendMessageW(tabs_, TCM_GETCURSEL, 0, 0);
  ::ShowWindow(powerPointFrame_, selected == 0 ? SW_SHOW : SW_HIDE);
  ::ShowWindow(aboutFrame_, selected == 1 ? SW_SHOW : SW_HIDE);
}

bool SettingsWindow::OnSetCursor(HWND over, int hitTest) {
  if (saving_) {
    ::SetCursor(::LoadCursorW(nullptr, IDC_WAIT));
    return true;
  }
  if (hitTest != HTCLIENT) return false;
  // The first frame stands for the window's background; the About frame is a plain control.
  HoverArea area = HoverArea::Plain;
  const int id = ::GetDlgCtrlID(over);
  if (over == window_ || over == powerPointFrame_) {
    area = HoverArea::Background;
  } else if (over == linkLabel_) {
    area = HoverArea::Link;
  } else if (::GetParent(over) == powerPointFrame_ && id >= control_id::kFirstBox) {
    area = HoverArea::Clickable;
  } else if (::GetParent(over) == window_ && (id == control_id::kOkButton || id == control_id::kCancelButton)) {
    area = HoverArea::Clickable;
  }
  look_.Link().PointerOver(area, linkLabel_);
  return true;
}

HBRUSH SettingsWindow::OnControlColor(HDC dc, HWND control) {
  const OleColor back = look_.ControlBackColor(control, kDesignedBackColor);
  const CaptionKind kind = control == titleLabel_  ? CaptionKind::Title
                           : control == linkLabel_ ? CaptionKind::Link
                                                   : CaptionKind::Plain;
  const CaptionColors colors = CaptionColorsFor(kind, back, HighContrastOn());
  ::SetTextColor(dc, ToColorRef(colors.text));
  ::SetBkColor(dc, ToColorRef(colors.back));
  return look_.Brush(colors.back);
}

LRESULT CALLBACK SettingsWindow::StaticFrameProc(HWND frame, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                                 DWORD_PTR self) noexcept {
  try {
    return reinterpret_cast<SettingsWindow*>(self)->FrameProc(frame, message, wParam, lParam);
  } catch (...) {
    return ::DefSubclassProc(frame, message, wParam, lParam);
  }
}

LRESULT SettingsWindow::FrameProc(HWND frame, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    // The frame's controls report to the window.
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: return ::SendMessageW(window_, message, wParam, lParam);
    case WM_SETCURSOR: return ::SendMessageW(window_, message, wParam, lParam);
    case WM_NCHITTEST: return HTCLIENT;  // a group box is see-through for the mouse; a frame is not
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: PaintFrame(frame); return 0;
    case WM_NCDESTROY: ::RemoveWindowSubclass(frame, &SettingsWindow::StaticFrameProc, kFrameSubclassId); break;
  }
  return ::DefSubclassProc(frame, message, wParam, lParam);
}

void SettingsWindow::PaintFrame(HWND frame) {
  PAINTSTRUCT paint;
  HDC dc = ::BeginPaint(frame, &paint);
  RECT client;
  ::GetClientRect(frame, &client);
  const OleColor back = look_.ControlBackColor(frame, kDesignedBackColor);
  const CaptionColors colors = CaptionColorsFor(CaptionKind::Plain, back, HighContrastOn());
  ::FillRect(dc, &client, look_.Brush(colors.back));
  ::DrawEdge(dc, &client, EDGE_ETCHED, BF_RECT);

  if (frame == powerPointFrame_) {
    // The outline around the tab boxes; "Hide built-in tabs" sits on its top edge. Drawn like the
    // text, so it shows on any background.
    const auto& r = layout_.tabBoxOutline;
    const int right = r.left + r.width;
    const int bottom = r.top + r.height;
    for (const LineDesign& side :
         {LineDesign{r.left, r.top, right, r.top, colors.text}, LineDesign{right, r.top, right, bottom, colors.text},
          LineDesign{right, bottom, r.left, bottom, colors.text},
          LineDesign{r.left, bottom, r.left, r.top, colors.text}}) {
      DrawLine(dc, side, dpi_);
    }
  } else {
    for (const LineDesign& rule : layout_.separator) DrawLine(dc, rule, dpi_);
  }
  ::EndPaint(frame, &paint);
}

}  // namespace quillmere
