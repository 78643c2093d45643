#pragma once

// Window measures are designed in twips (1/1440 inch) and font sizes in points; windows are
// laid out in pixels at the screen's actual DPI. This is the arithmetic, free of Win32, and the
// shapes a window designer describes.

#include <cstdint>

namespace quillmere {

inline constexpr int kTwipsPerInch = 1440;
inline constexpr int kPointsPerInch = 72;
inline constexpr int kDefaultDpi = 96;

struct PixelRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

// A rectangle as a window designer gives it: left, top, width, height in twips.
struct TwipsRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  friend bool operator==(const TwipsRect&, const TwipsRect&) = default;
};

// A font as a window designer gives it.
struct FontSpec {
  const wchar_t* face = L"Arial";
  double points = 9;
  bool bold = false;
  bool underline = false;
};

// A colour as the designer stores it: 0x00BBGGRR, or a system colour index with the top bit set.
using OleColor = std::uint32_t;

inline constexpr OleColor kSystemColorFlag = 0x80000000u;

inline constexpr bool IsSystemColor(OleColor color) { return (color & kSystemColorFlag) != 0; }
inline constexpr int SystemColorIndex(OleColor color) { return static_cast<int>(color & 0xFFu); }
inline constexpr OleColor RgbColor(int red, int green, int blue) {
  return static_cast<OleColor>(red & 0xFF) | static_cast<OleColor>(green & 0xFF) << 8 |
         static_cast<OleColor>(blue & 0xFF) << 16;
}

// A one-pixel line as a window designer draws it: from (x1, y1) to (x2, y2) in twips.
struct LineDesign {
  int x1 = 0;
  int y1 = 0;
  int x2 = 0;
  int y2 = 0;
  OleColor color = 0;
  friend bool operator==(const LineDesign&, const LineDesign&) = default;
};

struct PixelPoint {
  int x = 0;
  int y = 0;
  friend bool operator==(const PixelPoint&, const PixelPoint&) = default;
};

// Rounds to the nearest pixel, halves away from zero (as MulDiv does).
int TwipsToPixels(int twips, int dpi);

// Converts both edges rather than the size, so controls that touch in the design still touch
// on screen whatever the rounding.
PixelRect TwipsToPixels(const TwipsRect& rect, int dpi);

// The LOGFONT height for a point size: negative, so it selects by character height.
int FontHeightForPoints(double points, int dpi);

// The top-left corner that centres a window of the given size on the screen area. A window
// larger than the screen gets a negative corner, so its middle still lies on the screen's middle.
PixelPoint CenteredOrigin(const PixelRect& screen, int width, int height);

}  // namespace quillmere
