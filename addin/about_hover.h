#pragma once

// What the pointer does over the About window: over the link it underlines the link and asks for
// the hand pointer, over the button it asks for the hand, over the bare window it takes the
// underline away and goes back to the arrow. Other labels change nothing. The link starts out
// underlined, as designed, until the pointer first crosses the bare window.

namespace quillmere {

enum class HoverArea { Link, Button, Window, OtherControl };

class AboutHover {
 public:
  void PointerOver(HoverArea area);

  bool LinkUnderlined() const { return linkUnderlined_; }
  // True where the window shows its custom (hand) pointer; without one, the arrow stands in.
  bool CustomPointer() const { return customPointer_; }

 private:
  bool linkUnderlined_ = true;
  bool customPointer_ = false;
};

}  // namespace quillmere
