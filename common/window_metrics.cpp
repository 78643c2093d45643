#include "common/window_metrics.h"

#include <cmath>
#include <cstdint>

namespace quillmere {

namespace {

int ScaleRounded(int value, int numerator, int denominator) {
  const std::int64_t product = static_cast<std::int64_t>(value) * numerator;
  const std::int64_t half = denominator / 2;
  const std::int64_t rounded = product >= 0 ? (product + half) / denominator : (product - half) / denominator;
  return static_cast<int>(rounded);
}

}  // namespace

int TwipsToPixels(int twips, int dpi) { return ScaleRounded(twips, dpi, kTwipsPerInch); }

PixelRect TwipsToPixels(const TwipsRect& rect, int dpi) {
  const int left = TwipsToPixels(rect.left, dpi);
  const int top = TwipsToPixels(rect.top, dpi);
  const int right = TwipsToPixels(rect.left + rect.width, dpi);
  const int bottom = TwipsToPixels(rect.top + rect.height, dpi);
  return {left, top, right - left, bottom - top};
}

int FontHeightForPoints(double points, int dpi) {
  return -static_cast<int>(std::lround(points * dpi / kPointsPerInch));
}

PixelPoint CenteredOrigin(const PixelRect& screen, int width, int height) {
  // Halves of odd differences go up and left, the same way for windows larger than the screen.
  const auto half = [](int difference) { return static_cast<int>(std::floor(difference / 2.0)); };
  return {screen.left + half(screen.width - width), screen.top + half(screen.height - height)};
}

}  // namespace quillmere
