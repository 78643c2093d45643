#pragma once

// What the settings window's controls say, in one language.

#include <array>
#include <string>
#include <string_view>

#include "common/texts/ui_language.h"
#include "panel/box_rules.h"

namespace quillmere {

// "Version:   7.0": the label text shows major and minor version only.
std::string VersionLabelText(UiLanguage language = UiLanguage::English);

namespace layout {

// The window's captions, UTF-8; the boxes by box.
struct PanelCaptions {
  std::array<std::string_view, kBoxCount> boxes{};
  std::array<std::string_view, 2> tabs{};  // "PowerPoint", "About"
  std::string_view website, ok, cancel;
  std::string version, link;
};

PanelCaptions CaptionsIn(UiLanguage language);

}  // namespace layout
}  // namespace quillmere
