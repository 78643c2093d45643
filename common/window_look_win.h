#pragma once

// The look both windows share: DPI, fonts, designer colours, the optional skin and the hand
// pointer, translated to Win32.

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "common/skin.h"
#include "common/unique_handle_win.h"
#include "common/window_metrics.h"

namespace quillmere {

// The DPI the window is drawn at (per monitor where the system knows it, else the screen's).
int WindowDpi(HWND window) noexcept;

// Empty when the system has no such font at all (a missing face falls back to a similar one).
UniqueFont CreateDesignedFont(const FontSpec& spec, int dpi) noexcept;

// Resolves system colour indices to the current colour.
COLORREF ToColorRef(OleColor color) noexcept;

// The cursor stored in a .cur file; empty when the file is missing or not a cursor.
UniqueCursor LoadCursorFile(const std::wstring& path) noexcept;

// The product icon at the system's size for big (ICON_BIG) or small (ICON_SMALL) icons.
UniqueIcon LoadProductIcon(HMODULE module, WPARAM which) noexcept;

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

}  // namespace quillmere
