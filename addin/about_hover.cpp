#include "addin/about_hover.h"

namespace quillmere {

void AboutHover::PointerOver(HoverArea area) {
  switch (area) {
    case HoverArea::Link:
      linkUnderlined_ = true;
      customPointer_ = true;
      break;
    case HoverArea::Button: customPointer_ = true; break;
    case HoverArea::Window:
      linkUnderlined_ = false;
      customPointer_ = false;
      break;
    case HoverArea::OtherControl: break;
  }
}

}  // namespace quillmere
