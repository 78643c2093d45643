#pragma once

// What the pointer and a window's web link do as the pointer moves over the window. Both windows
// follow one model and differ only in which area each of their controls is: over the link the
// link is underlined and the hand shows; over a box or a button the hand shows; over the bare
// background the underline goes and the arrow comes back. The link starts out underlined, as
// designed, until the pointer first crosses the background.

namespace quillmere {

enum class HoverArea {
  Link,
  Clickable,   // a box or a button: the hand, the link unchanged
  Background,  // the bare window (or a frame that stands for it): the arrow, no underline
  Plain,       // any other control of the settings window: the arrow, the link unchanged
  Inert,       // any other label of the About window: nothing changes
};

class LinkHover {
 public:
  // Returns whether the link's underline changed, so the window redraws it only then.
  bool PointerOver(HoverArea area);

  bool LinkUnderlined() const { return linkUnderlined_; }
  // True where the window shows its hand pointer; without a hand file the arrow stands in.
  bool HandPointer() const { return handPointer_; }

 private:
  bool linkUnderlined_ = true;
  bool handPointer_ = false;
};

}  // namespace quillmere
