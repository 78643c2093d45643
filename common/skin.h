#pragma once

// The optional skin: when the skin file lies in the program folder, a window and its plain
// controls take the system's button-face colour instead of their designed white. Buttons,
// pictures, lines and the rest keep their own look. The rules work on an abstract window so a
// test can drive them; the Win32 side adapts real windows to it.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace quillmere {

// A colour as the designer stores it: 0x00BBGGRR, or a system colour index with the top bit set.
using OleColor = std::uint32_t;

inline constexpr OleColor kSystemColorFlag = 0x80000000u;
inline constexpr int kButtonFaceColorIndex = 15;
inline constexpr OleColor kSkinBackColor = kSystemColorFlag | kButtonFaceColorIndex;

inline constexpr bool IsSystemColor(OleColor color) { return (color & kSystemColorFlag) != 0; }
inline constexpr int SystemColorIndex(OleColor color) { return static_cast<int>(color & 0xFFu); }
inline constexpr OleColor RgbColor(int red, int green, int blue) {
  return static_cast<OleColor>(red & 0xFF) | static_cast<OleColor>(green & 0xFF) << 8 |
         static_cast<OleColor>(blue & 0xFF) << 16;
}

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
