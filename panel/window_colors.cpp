#include "panel/window_colors.h"

namespace quillmere {
namespace {

constexpr OleColor SystemColor(int index) { return kSystemColorFlag | static_cast<OleColor>(index); }

constexpr OleColor kWindowColor = SystemColor(5);
constexpr OleColor kWindowTextColor = SystemColor(8);
constexpr OleColor kButtonTextColor = SystemColor(18);
constexpr OleColor kHotLightColor = SystemColor(26);  // the system's colour for links

}  // namespace

OleColor PaintedBackColor(OleColor back, bool highContrast) { return highContrast ? kWindowColor : back; }

CaptionColors CaptionColorsFor(CaptionKind kind, OleColor back, bool highContrast) {
  if (highContrast) return {kind == CaptionKind::Link ? kHotLightColor : kWindowTextColor, kWindowColor};
  if (kind == CaptionKind::Title) return {RgbColor(0, 128, 0), back};
  if (kind == CaptionKind::Link) return {RgbColor(0, 0, 255), back};
  return {back == kSkinBackColor ? kButtonTextColor : RgbColor(0, 0, 0), back};
}

}  // namespace quillmere
