#pragma once

// The settings window laid out for captions longer than the designed ones: a caption that needs
// more room than its control widens the control, moves what stands to its right in the same
// rows, and widens the outline, the frames, the tab control and the window around it. Captions
// that fit leave the design exactly as it is.

#include <array>
#include <functional>
#include <string>
#include <string_view>

#include "common/window_metrics.h"
#include "panel/box_rules.h"
#include "panel/panel_captions.h"

namespace quillmere::layout {

struct PixelSize {
  int width = 0;
  int height = 0;
};

// Room each caption needs, in pixels at the window's DPI: its text's extent in the control's
// font plus what the control draws beside the text (a check mark, a button's edges). Zero where
// nothing needs fitting.
struct CaptionNeeds {
  std::array<PixelSize, kBoxCount> boxes{};
  PixelSize websiteCaption;
  PixelSize websiteLink;
  PixelSize versionLabel;
  PixelSize okButton;
  PixelSize cancelButton;
  PixelSize tabStrip;  // the tab items side by side
};

// What a caption needs beside its text depends on the control that shows it.
enum class CaptionControl { CheckBox, Label, Link, Button, TabItem };
using MeasureCaption = std::function<PixelSize(CaptionControl control, std::string_view text)>;

CaptionNeeds MeasureCaptions(const PanelCaptions& captions, const MeasureCaption& measure);

// Where every control stands, in twips relative to its container (as in settings_layout.h).
struct SettingsLayout {
  int clientWidth = 0;
  int clientHeight = 0;
  TwipsRect tabs, powerPointFrame, aboutFrame, tabBoxOutline, titleLabel, versionLabel, websiteCaption, websiteLink,
      okButton, cancelButton;
  std::array<TwipsRect, kBoxCount> boxes{};
  std::array<LineDesign, 2> separator{};
  friend bool operator==(const SettingsLayout&, const SettingsLayout&) = default;
};

SettingsLayout DesignedLayout();

// The design, grown where a caption needs more room than its control has at this DPI.
SettingsLayout FitCaptions(const CaptionNeeds& needs, int dpi);

}  // namespace quillmere::layout
