#pragma once

// The optional skin: when the skin file lies in the program folder, a window and its plain
// controls take the system's button-face colour instead of their designed white. Buttons,
// pictures, lines and the rest keep their own look. The rules work on an abstract window so a
// test can drive them; the Win32 side adapts real windows to it.

#include <cstddef>
#include <string>
#include <string_view>

#include "common/window_metrics.h"

namespace quillmere {

inline constexpr int kButtonFaceColorIndex = 15;
inline constexpr OleColor kSkinBackColor = kSystemColorFlag | kButtonFaceColorIndex;

enum class ControlKind {
  Label,
  CheckBox,
  OptionButton,
  Frame,
  PushButton,
  Picture,
  Line,
  TabControl,
  List,
  Edit,
  Other,
};

// Whether a control of this kind takes the skin's background colour.
bool TakesSkinColor(ControlKind kind);

// A window as the skin sees it: its own background and its controls in control order.
class SkinnableWindow {
 public:
  virtual ~SkinnableWindow() = default;
  virtual void SetBackColor(OleColor color) = 0;
  virtual std::size_t ControlCount() const = 0;
  virtual ControlKind KindOfControl(std::size_t index) const = 0;
  virtual void SetControlBackColor(std::size_t index, OleColor color) = 0;
};

// The skin file: "o.cjs" in the subfolder "x" of the program folder (given without a trailing
// separator).
std::wstring SkinFilePath(std::wstring_view programFolder);

// Recolours the window and its eligible controls when the skin file is present; otherwise
// touches nothing. The outside skin component is not part of this product, so nothing else
// happens. Returns whether the skin was applied.
bool ApplySkinRules(SkinnableWindow& window, bool skinFilePresent);

}  // namespace quillmere
