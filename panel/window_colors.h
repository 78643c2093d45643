#pragma once

// The colours the settings window paints with. Text and background always come as a pair that
// reads: the designed fixed black on fixed white; the system's button text on the button face
// the skin sets; and in high-contrast mode the system's window colours for everything.

#include "common/skin.h"

namespace quillmere {

enum class CaptionKind { Plain, Title, Link };

struct CaptionColors {
  OleColor text;
  OleColor back;
  bool operator==(const CaptionColors&) const = default;
};

inline constexpr OleColor kDesignedBackColor = RgbColor(255, 255, 255);

// `back` is the background as designed or as the skin left it.
OleColor PaintedBackColor(OleColor back, bool highContrast);
CaptionColors CaptionColorsFor(CaptionKind kind, OleColor back, bool highContrast);

}  // namespace quillmere
