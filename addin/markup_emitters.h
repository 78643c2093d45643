#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

namespace quillmere {

// The four generated-id counters of one document. Each counts from 1 in every document.
struct IdCounters {
  std::int32_t groups = 0;      // "btnGr00N" button groups
  std::int32_t buttons = 0;     // "sep00N" spacers and custom buttons, one shared sequence
  std::int32_t separators = 0;  // "msep00Nd" menu separators
  std::int32_t menus = 0;       // "BR3234N" menus, written as id and as tag
};

// Appends RibbonX elements to one markup buffer, one element (or tag) per call, in document
// order with nothing between them. Attribute values are written verbatim: callers pass text
// that is valid inside a double-quoted attribute. An optional attribute is written only when its
// value is non-empty (blanks count as a value).
class MarkupEmitters {
 public:
  // Starts a new document: counters back to 0. The buffer is emptied separately.
  void ResetCounters() { counters_ = {}; }
  void ClearBuffer() { size_ = 0; }
  void Append(std::string_view literal);

  // The markup written so far; valid until the next emitter call or ClearBuffer.
  std::string_view MarkupBuffer() const { return {buffer_.get(), size_}; }
  // Pass 1 writes the menu bar, with a spacer after each menu that asks for one.
  void SetMenuPass(std::int32_t pass) { menuPass_ = pass; }

  // A built-in control (or, with an empty idMso, a custom button) in a menu.
  void AddMenuItem(std::string_view idMso, std::string_view label, std::string_view imageMso,
                   std::string_view screentip, std::string_view onAction);
  // As AddMenuItem, but a built-in control is written as a gallery.
  void AddGalleryItem(std::string_view idMso, std::string_view label, std::string_view imageMso,
                      std::string_view screentip, std::string_view onAction);
  // An icon-only control of a toolbar row. Note screentip comes before imageMso here.
  void AddToolButton(std::string_view idMso, std::string_view screentip, std::string_view imageMso,
                     std::string_view onAction);
  void AddComboBox(std::string_view idMso);
  void OpenButtonGroup();
  void CloseButtonGroup();
  // A disabled custom button whose blank label makes a gap; the label is always written.
  void AddSpacer(std::string_view label);
  void AddMenuSeparator();
  // Counts a separator that is left out, so that the separators after it keep their ids.
  void SkipMenuSeparator();
  void OpenMenu(std::string_view label, std::string_view imageMso, std::string_view screentip);
  // Closes a menu; in pass 1 a spacer flag also writes a one-blank spacer after it.
  void CloseMenu(bool spacer);

 private:
  class Element;
  // Room for one more element of at most this length. The buffer keeps its size between
  // documents, so after the first document nothing is allocated.
  char* Reserve(std::size_t length) {
    if (capacity_ - size_ < length) Grow(length);
    return buffer_.get() + size_;
  }
  void Grow(std::size_t length);
  void AddControl(std::string_view element, std::string_view idMso, std::string_view label, std::string_view imageMso,
                  std::string_view screentip, std::string_view onAction);

  std::unique_ptr<char[]> buffer_;
  std::size_t size_ = 0;
  std::size_t capacity_ = 0;
  IdCounters counters_;
  std::int32_t menuPass_ = 0;
};

}  // namespace quillmere
