#pragma once

// What the pointer and the web link do as the pointer moves over the settings window.

namespace quillmere {

enum class HoverTarget { Box, Button, Link, WindowBackground, PowerPointFrame, AboutFrame, Other };

enum class LinkUnderline { Keep, On, Off };

struct HoverEffect {
  bool handPointer;  // the custom hand, when its file was found
  LinkUnderline underline;
};

constexpr HoverEffect HoverEffectFor(HoverTarget target) {
  switch (target) {
    case HoverTarget::Box:
    case HoverTarget::Button: return {true, LinkUnderline::Keep};
    case HoverTarget::Link: return {true, LinkUnderline::On};
    case HoverTarget::WindowBackground:
    case HoverTarget::PowerPointFrame: return {false, LinkUnderline::Off};
    case HoverTarget::AboutFrame:
    case HoverTarget::Other: break;
  }
  return {false, LinkUnderline::Keep};
}

}  // namespace quillmere
