#pragma once

// Where the settings window's controls stand, in twips, as designed. Positions are relative to
// the control's container: the window, the tab control, or a frame. The check boxes' places are
// in the settings table, beside their settings.

#include "common/window_metrics.h"

namespace quillmere::layout {

inline constexpr int kClientWidth = 6120;
inline constexpr int kClientHeight = 5010;

inline constexpr TwipsRect kTabs = {90, 135, 5910, 4245};
inline constexpr TwipsRect kPowerPointFrame = {45, 315, 5760, 3855};
inline constexpr TwipsRect kAboutFrame = {45, 315, 5805, 3855};
inline constexpr TwipsRect kTabBoxOutline = {600, 1440, 3495, 2055};
inline constexpr TwipsRect kTitleLabel = {180, 480, 5415, 615};
inline constexpr TwipsRect kVersionLabel = {135, 1320, 5445, 225};
inline constexpr TwipsRect kWebsiteCaption = {405, 2745, 885, 240};
inline constexpr TwipsRect kWebsiteLink = {1950, 2760, 2190, 240};
inline constexpr TwipsRect kOkButton = {2880, 4500, 1575, 400};
inline constexpr TwipsRect kCancelButton = {4530, 4500, 1470, 400};

// Drawn in this order: the grey line, then the shorter silver one over it, an etched rule.
inline constexpr LineDesign kSeparator[] = {
    {0, 2160, 5715, 2160, RgbColor(128, 128, 128)},
    {0, 2160, 5670, 2160, RgbColor(192, 192, 192)},
};

// Fonts as designed.
inline constexpr FontSpec kWindowFont = {L"Arial", 9, true, false};
inline constexpr FontSpec kTitleFont = {L"Arial", 12, true, false};
inline constexpr FontSpec kVersionFont = {L"Arial", 9.75, true, false};
inline constexpr FontSpec kLinkFont = {L"Arial", 9.75, false, true};

}  // namespace quillmere::layout
