#pragma once

// The About window as designed: client size, controls, fonts and colours. Positions are in twips
// relative to the client area; the window converts them at the screen's DPI.

#include "common/skin.h"
#include "common/window_metrics.h"

namespace quillmere::about {

inline constexpr int kClientWidth = 5730;
inline constexpr int kClientHeight = 3555;

inline constexpr OleColor kWhite = RgbColor(255, 255, 255);
inline constexpr OleColor kBlack = RgbColor(0, 0, 0);
inline constexpr OleColor kWindowBack = kWhite;

// Its texts are the product texts About, Website, Ok and AboutVersion (common/product_texts.h).

struct LabelDesign {
  TwipsRect bounds;
  FontSpec font;
  OleColor text;
  OleColor back;
};

inline constexpr LabelDesign kTitle{{930, 240, 4245, 600}, {L"Arial", 12, false, false}, RgbColor(0, 128, 0), kWhite};
inline constexpr LabelDesign kVersion{{1050, 1440, 1125, 225}, {L"Arial", 9, true, false}, kBlack, kWhite};
inline constexpr LabelDesign kWebsiteLabel{{255, 2640, 795, 225}, {L"Arial", 9, true, false}, kBlack, kWhite};
// The link's font is designed underlined; hovering switches the underline (see LinkHover).
inline constexpr LabelDesign kLink{{1800, 2640, 2055, 225}, {L"Arial", 9, false, true}, RgbColor(0, 0, 255), kWhite};

// Two lines, grey over white, make an etched separator.
inline constexpr LineDesign kLines[] = {
    {90, 2445, 5654, 2445, RgbColor(128, 128, 128)},
    {105, 2460, 5654, 2460, kWhite},
};

struct ButtonDesign {
  TwipsRect bounds;
  FontSpec font;
};
inline constexpr ButtonDesign kOkButton{{4200, 2985, 1447, 405}, {L"Arial", 11.25, true, false}};

}  // namespace quillmere::about
