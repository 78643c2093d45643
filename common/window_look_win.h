#pragma once

// The look both windows share: DPI, fonts, designer colours and lines, brushes, the product
// icon, the optional skin and the web link's hover feedback, translated to Win32.

#include <windows.h>

#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "common/link_hover.h"
#include "common/texts/ui_language.h"
#include "common/skin.h"
#include "common/unique_handle_win.h"
#include "common/window_metrics.h"

namespace quillmere {

// The DPI the window is drawn at (per monitor where the system knows it, else the screen's).
int WindowDpi(HWND window) noexcept;

// Empty when the system has no such font at all (a missing face falls back to a similar one).
UniqueFont CreateDesignedFont(const FontSpec& spec, int dpi) noexcept;

// The designed font for text in that language: for a script the designed face lacks, the
// system's user-interface font for that script (its message font when that has the script, else
// the script's own user-interface fonts, else any installed font with it) at the designed size
// and style.
UniqueFont CreateDesignedFont(const FontSpec& spec, int dpi, UiLanguage language) noexcept;

// Resolves system colour indices to the current colour.
COLORREF ToColorRef(OleColor color) noexcept;

// The cursor stored in a .cur file; empty when the file is missing or not a cursor.
UniqueCursor LoadCursorFile(const std::wstring& path) noexcept;

// Draws a designed line one pixel wide at the window's DPI.
void DrawLine(HDC dc, const LineDesign& line, int dpi) noexcept;

// The web link's look as the pointer moves: its font underlined and plain, the hand pointer when
// its file was found, and the hover model deciding between them.
class LinkLook {
 public:
  // The link's font is designed underlined. Returns false when a font cannot be made.
  bool CreateFonts(const FontSpec& designed, int dpi) noexcept;
  void SetHandCursor(UniqueCursor hand) noexcept { hand_ = std::move(hand); }
  // The font that fits the link's current underline.
  HFONT Font() const noexcept { return hover_.LinkUnderlined() ? underlined_.get() : plain_.get(); }
  // Gives the link the font the area asks for and sets the pointer.
  void PointerOver(HoverArea area, HWND link) noexcept;

 private:
  LinkHover hover_;
  UniqueFont underlined_, plain_;
  UniqueCursor hand_;
};

// The kind a skin gives a Win32 control, from its window class and style.
ControlKind ClassifyControl(const std::wstring& className, LONG_PTR style) noexcept;

// A window's colours as the skin leaves them. It lists the window's controls (child windows,
// in window order, nested ones included) when constructed; the window asks it for colours when
// it paints.
class WindowSkin final : public SkinnableWindow {
 public:
  explicit WindowSkin(HWND window);

  void SetBackColor(OleColor color) override { back_ = color; }
  std::size_t ControlCount() const override { return controls_.size(); }
  ControlKind KindOfControl(std::size_t index) const override { return controls_.at(index).kind; }
  void SetControlBackColor(std::size_t index, OleColor color) override { controls_.at(index).back = color; }

  // The skin's colour where it set one, else the designed one.
  OleColor BackColor(OleColor designed) const { return back_.value_or(designed); }
  OleColor ControlBackColor(HWND control, OleColor designed) const;

 private:
  struct Control {
    HWND window;
    ControlKind kind;
    std::optional<OleColor> back;
  };
  static BOOL CALLBACK AddControl(HWND child, LPARAM context) noexcept;

  std::vector<Control> controls_;
  bool outOfMemory_ = false;
  std::optional<OleColor> back_;
};

// Applies the skin to the window when the skin file lies in the program folder.
// Returns whether it did.
bool ApplySkin(WindowSkin& skin);

// What a window paints with beyond its controls' own look: the skin's colours, brushes, the
// product icons and the web link's look. One per window, living as long as the window.
class WindowLook {
 public:
  // Applies the skin when its file lies in the program folder; returns whether it did.
  bool ApplySkin(HWND window);
  // The skin's colour where it set one, else the designed one.
  OleColor BackColor(OleColor designed) const { return skin_ ? skin_->BackColor(designed) : designed; }
  OleColor ControlBackColor(HWND control, OleColor designed) const {
    return skin_ ? skin_->ControlBackColor(control, designed) : designed;
  }
  // A solid brush, made on first use and kept: the colour messages hand brushes to the system,
  // which does not free them.
  HBRUSH Brush(OleColor color);
  // Gives the window the product icon in the system's big and small sizes. Returns false,
  // leaving the window's icons alone, when either size cannot be loaded.
  bool SetProductIcons(HWND window, HMODULE module) noexcept;
  LinkLook& Link() noexcept { return link_; }

 private:
  std::optional<WindowSkin> skin_;
  std::map<COLORREF, UniqueBrush> brushes_;
  UniqueIcon bigIcon_, smallIcon_;
  LinkLook link_;
};

}  // namespace quillmere
