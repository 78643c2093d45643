#include "common/link_hover.h"

namespace quillmere {

bool LinkHover::PointerOver(HoverArea area) {
  const bool wasUnderlined = linkUnderlined_;
  switch (area) {
    case HoverArea::Link:
      linkUnderlined_ = true;
      handPointer_ = true;
      break;
    case HoverArea::Clickable: handPointer_ = true; break;
    case HoverArea::Background:
      linkUnderlined_ = false;
      handPointer_ = false;
      break;
    case HoverArea::Plain: handPointer_ = false; break;
    case HoverArea::Inert: break;
  }
  return linkUnderlined_ != wasUnderlined;
}

}  // namespace quillmere
