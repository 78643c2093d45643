#include "common/window_look_win.h"

#include <algorithm>
#include <cwchar>
#include <new>

#include "common/file_name_text_win.h"
#include "common/product_info.h"
#include "common/window_helpers_win.h"

namespace quillmere {

int WindowDpi(HWND window) noexcept {
  // GetDpiForWindow exists from Windows 10 on; older systems have one DPI for every screen.
  using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
  static const auto getDpiForWindow =
      SystemFunction<GetDpiForWindowFunction>(::GetModuleHandleW(L"user32.dll"), "GetDpiForWindow");
  if (getDpiForWindow && window) {
    if (const UINT dpi = getDpiForWindow(window)) return static_cast<int>(dpi);
  }
  const WindowDc screen(nullptr);
  if (!screen.get()) return kDefaultDpi;
  const int dpi = ::GetDeviceCaps(screen.get(), LOGPIXELSY);
  return dpi > 0 ? dpi : kDefaultDpi;
}

UniqueFont CreateDesignedFont(const FontSpec& spec, int dpi) noexcept {
  LOGFONTW font{};
  font.lfHeight = FontHeightForPoints(spec.points, dpi);
  font.lfWeight = spec.bold ? FW_BOLD : FW_NORMAL;
  font.lfUnderline = spec.underline ? TRUE : FALSE;
  font.lfCharSet = DEFAULT_CHARSET;
  font.lfQuality = DEFAULT_QUALITY;
  std::wcsncpy(font.lfFaceName, spec.face, LF_FACESIZE - 1);
  return UniqueFont(::CreateFontIndirectW(&font));
}

namespace {

struct ScriptFonts {
  UiLanguage language;
  BYTE charset;
  const wchar_t* faces[3];  // the system's user-interface fonts for the script, newest first
};
constexpr ScriptFonts kScriptFonts[] = {
    {UiLanguage::Japanese, SHIFTJIS_CHARSET, {L"Yu Gothic UI", L"Meiryo UI", L"MS UI Gothic"}},
    {UiLanguage::ChineseSimplified, GB2312_CHARSET, {L"Microsoft YaHei UI", L"Microsoft YaHei", L"SimSun"}},
    {UiLanguage::ChineseTraditional,
     CHINESEBIG5_CHARSET,
     {L"Microsoft JhengHei UI", L"Microsoft JhengHei", L"PMingLiU"}},
    {UiLanguage::Korean, HANGUL_CHARSET, {L"Malgun Gothic", L"Gulim", nullptr}},
};

int CALLBACK KeepFirstFace(const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM found) noexcept {
  if (font->lfFaceName[0] == L'@') return 1;  // the same face for vertical writing
  try {
    *reinterpret_cast<std::wstring*>(found) = font->lfFaceName;
  } catch (...) {
    return 1;
  }
  return 0;
}

// The installed face of that name (any face when null) that has the character set.
std::wstring InstalledFace(HDC dc, BYTE charset, const wchar_t* face) {
  LOGFONTW query{};
  query.lfCharSet = charset;
  if (face) std::wcsncpy(query.lfFaceName, face, LF_FACESIZE - 1);
  std::wstring found;
  ::EnumFontFamiliesExW(dc, &query, &KeepFirstFace, reinterpret_cast<LPARAM>(&found), 0);
  return found;
}

// The system's message font when it has the script (as on a system set up in that language),
// else the script's own user-interface fonts, else any installed font that has the script.
std::wstring ScriptFontFace(const ScriptFonts& script) {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  const bool haveSystemFont = ::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
  const WindowDc screen(nullptr);
  if (!screen.get()) return {};
  std::wstring face =
      haveSystemFont ? InstalledFace(screen.get(), script.charset, metrics.lfMessageFont.lfFaceName) : L"";
  for (const wchar_t* candidate : script.faces) {
    if (face.empty() && candidate) face = InstalledFace(screen.get(), script.charset, candidate);
  }
  if (face.empty()) face = InstalledFace(screen.get(), script.charset, nullptr);
  return face;
}

}  // namespace

UniqueFont CreateDesignedFont(const FontSpec& spec, int dpi, UiLanguage language) noexcept {
  const auto script = std::find_if(std::begin(kScriptFonts), std::end(kScriptFonts),
                                   [&](const ScriptFonts& fonts) { return fonts.language == language; });
  if (!NeedsSystemUiFont(language) || script == std::end(kScriptFonts)) return CreateDesignedFont(spec, dpi);
  FontSpec inScript = spec;
  std::wstring face;
  try {
    face = ScriptFontFace(*script);
  } catch (...) {
    // Out of memory: the dialog font, which the system maps to one for its own language.
  }
  inScript.face = face.empty() ? L"MS Shell Dlg 2" : face.c_str();
  return CreateDesignedFont(inScript, dpi);
}

COLORREF ToColorRef(OleColor color) noexcept {
  if (IsSystemColor(color)) return ::GetSysColor(SystemColorIndex(color));
  return static_cast<COLORREF>(color & 0x00FFFFFFu);
}

UniqueCursor LoadCursorFile(const std::wstring& path) noexcept {
  return UniqueCursor(static_cast<HCURSOR>(::LoadImageW(nullptr, path.c_str(), IMAGE_CURSOR, 0, 0, LR_LOADFROMFILE)));
}

void DrawLine(HDC dc, const LineDesign& line, int dpi) noexcept {
  UniquePen pen(::CreatePen(PS_SOLID, 1, ToColorRef(line.color)));
  HGDIOBJ old = ::SelectObject(dc, pen.get());
  ::MoveToEx(dc, TwipsToPixels(line.x1, dpi), TwipsToPixels(line.y1, dpi), nullptr);
  ::LineTo(dc, TwipsToPixels(line.x2, dpi), TwipsToPixels(line.y2, dpi));
  ::SelectObject(dc, old);
}

namespace {

UniqueIcon LoadProductIcon(HMODULE module, bool big) noexcept {
  const int width = ::GetSystemMetrics(big ? SM_CXICON : SM_CXSMICON);
  const int height = ::GetSystemMetrics(big ? SM_CYICON : SM_CYSMICON);
  return UniqueIcon(
      static_cast<HICON>(::LoadImageW(module, MAKEINTRESOURCEW(kProductIconId), IMAGE_ICON, width, height, 0)));
}

}  // namespace

bool LinkLook::CreateFonts(const FontSpec& designed, int dpi) noexcept {
  FontSpec plain = designed;
  plain.underline = false;
  underlined_ = CreateDesignedFont(designed, dpi);
  plain_ = CreateDesignedFont(plain, dpi);
  return underlined_ && plain_;
}

void LinkLook::PointerOver(HoverArea area, HWND link) noexcept {
  if (hover_.PointerOver(area)) ::SendMessageW(link, WM_SETFONT, reinterpret_cast<WPARAM>(Font()), TRUE);
  ::SetCursor(hover_.HandPointer() && hand_ ? hand_.get() : ::LoadCursorW(nullptr, IDC_ARROW));
}

ControlKind ClassifyControl(const std::wstring& className, LONG_PTR style) noexcept {
  // Class names compare as the system compares them, whatever the user's language.
  const auto is = [&](const wchar_t* name) { return SameFileNameText(std::wstring_view(className), name); };
  if (is(L"Button")) {
    switch (style & BS_TYPEMASK) {
      case BS_CHECKBOX:
      case BS_AUTOCHECKBOX:
      case BS_3STATE:
      case BS_AUTO3STATE: return ControlKind::CheckBox;
      case BS_RADIOBUTTON:
      case BS_AUTORADIOBUTTON: return ControlKind::OptionButton;
      case BS_GROUPBOX: return ControlKind::Frame;
      default: return ControlKind::PushButton;
    }
  }
  if (is(L"Static")) {
    switch (style & SS_TYPEMASK) {
      case SS_ICON:
      case SS_BITMAP:
      case SS_ENHMETAFILE: return ControlKind::Picture;
      case SS_BLACKRECT:
      case SS_GRAYRECT:
      case SS_WHITERECT:
      case SS_BLACKFRAME:
      case SS_GRAYFRAME:
      case SS_WHITEFRAME:
      case SS_ETCHEDHORZ:
      case SS_ETCHEDVERT:
      case SS_ETCHEDFRAME: return ControlKind::Line;
      default: return ControlKind::Label;
    }
  }
  if (is(L"SysTabControl32")) return ControlKind::TabControl;
  if (is(L"ListBox") || is(L"ComboBox") || is(L"SysListView32") || is(L"SysTreeView32")) return ControlKind::List;
  if (is(L"Edit")) return ControlKind::Edit;
  return ControlKind::Other;
}

BOOL CALLBACK WindowSkin::AddControl(HWND child, LPARAM context) noexcept {
  auto* skin = reinterpret_cast<WindowSkin*>(context);
  wchar_t className[64] = {};
  ::GetClassNameW(child, className, 64);
  try {
    skin->controls_.push_back({child, ClassifyControl(className, ::GetWindowLongPtrW(child, GWL_STYLE)), {}});
    return TRUE;
  } catch (const std::bad_alloc&) {
    skin->outOfMemory_ = true;
    return FALSE;
  }
}

WindowSkin::WindowSkin(HWND window) {
  ::EnumChildWindows(window, &WindowSkin::AddControl, reinterpret_cast<LPARAM>(this));
  // Thrown here rather than in the callback: nothing may unwind through the system's frames.
  if (outOfMemory_) throw std::bad_alloc();
}

OleColor WindowSkin::ControlBackColor(HWND control, OleColor designed) const {
  for (const Control& entry : controls_) {
    if (entry.window == control) return entry.back.value_or(designed);
  }
  return designed;
}

bool ApplySkin(WindowSkin& skin) { return ApplySkinRules(skin, FileExists(SkinFilePath(ProgramFolder()))); }

bool WindowLook::ApplySkin(HWND window) {
  skin_.emplace(window);
  return ::quillmere::ApplySkin(*skin_);
}

HBRUSH WindowLook::Brush(OleColor color) {
  const COLORREF rgb = ToColorRef(color);
  auto found = brushes_.find(rgb);
  if (found == brushes_.end()) found = brushes_.emplace(rgb, UniqueBrush(::CreateSolidBrush(rgb))).first;
  return found->second.get();
}

bool WindowLook::SetProductIcons(HWND window, HMODULE module) noexcept {
  bigIcon_ = LoadProductIcon(module, true);
  smallIcon_ = LoadProductIcon(module, false);
  if (!bigIcon_ || !smallIcon_) return false;
  ::SendMessageW(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon_.get()));
  ::SendMessageW(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_.get()));
  return true;
}

}  // namespace quillmere
