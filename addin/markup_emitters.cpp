#include "markup_emitters.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <limits>
#include <stdexcept>

#include "assembly_error.h"

namespace quillmere {
namespace {

// The longest decimal text of a 32-bit counter.
constexpr std::size_t kNumberLength = 11;
// Room for everything of an element but its variable texts: element and attribute names,
// quotes, brackets and up to two numbers. The longest such frame is under 100 characters; every
// write checks that it stays inside, so a longer one fails the document instead of the buffer.
constexpr std::size_t kFrameRoom = 128;

// Counts the next id; the counter is left as it was when it would overflow.
std::int32_t Advance(std::int32_t& counter) {
  if (counter == std::numeric_limits<std::int32_t>::max()) {
    throw AssemblyError(AssemblyError::Reason::Overflow, "an id counter would pass the largest 32-bit value");
  }
  return ++counter;
}

// Copies a short text with a few fixed-size moves instead of a call into the C library; the
// texts of an element are mostly under 32 characters. Overlapping moves stay inside the text.
inline void CopyText(char* to, const char* from, std::size_t length) {
  if (length > 32) {
    std::memcpy(to, from, length);
  } else if (length >= 16) {
    std::memcpy(to, from, 16);
    std::memcpy(to + length - 16, from + length - 16, 16);
  } else if (length >= 8) {
    std::memcpy(to, from, 8);
    std::memcpy(to + length - 8, from + length - 8, 8);
  } else if (length >= 4) {
    std::memcpy(to, from, 4);
    std::memcpy(to + length - 4, from + length - 4, 4);
  } else {
    for (std::size_t i = 0; i < length; ++i) to[i] = from[i];
  }
}

}  // namespace

// One element under construction in the buffer's spare room. Nothing counts as written until
// Finish, so a failing emitter leaves the buffer as it was.
class MarkupEmitters::Element {
 public:
  // variableLength: the summed length of the element's variable texts.
  Element(MarkupEmitters& out, std::size_t variableLength)
      : out_(out), cursor_(out.Reserve(kFrameRoom + variableLength)), end_(cursor_ + kFrameRoom + variableLength) {}

  // Literals copy with a size known when compiling, which the compiler turns into plain moves.
  template <std::size_t N>
  Element& Put(const char (&literal)[N]) {
    Need(N - 1);
    std::memcpy(cursor_, literal, N - 1);
    cursor_ += N - 1;
    return *this;
  }
  Element& Put(std::string_view text) {
    Need(text.size());
    CopyText(cursor_, text.data(), text.size());
    cursor_ += text.size();
    return *this;
  }
  Element& Number(std::int32_t value) {
    Need(kNumberLength);
    cursor_ = std::to_chars(cursor_, cursor_ + kNumberLength, value).ptr;
    return *this;
  }
  // An optional attribute: written only when its value is non-empty. The name carries its
  // leading blank and the opening quote, e.g. ` label="`.
  template <std::size_t N>
  Element& Optional(const char (&nameAndQuote)[N], std::string_view value) {
    if (!value.empty()) Put(nameAndQuote).Put(value).Put("\"");
    return *this;
  }
  void Finish() { out_.size_ = static_cast<std::size_t>(cursor_ - out_.buffer_.get()); }

 private:
  void Need(std::size_t length) const {
    if (static_cast<std::size_t>(end_ - cursor_) < length) {
      throw std::length_error("a ribbon element needs more room than was reserved for it");
    }
  }

  MarkupEmitters& out_;
  char* cursor_;
  char* end_;
};

void MarkupEmitters::Grow(std::size_t length) {
  std::size_t capacity = std::max({capacity_ * 2, size_ + length, std::size_t{32} * 1024});
  auto grown = std::make_unique_for_overwrite<char[]>(capacity);
  if (size_ > 0) std::memcpy(grown.get(), buffer_.get(), size_);
  buffer_ = std::move(grown);
  capacity_ = capacity;
}

void MarkupEmitters::Append(std::string_view literal) { Element(*this, literal.size()).Put(literal).Finish(); }

void MarkupEmitters::AddControl(std::string_view element, std::string_view idMso, std::string_view label,
                                std::string_view imageMso, std::string_view screentip, std::string_view onAction) {
  Element out(*this,
              element.size() + idMso.size() + label.size() + imageMso.size() + screentip.size() + onAction.size());
  // A built-in control is named by its idMso; without one the element is a custom button that
  // takes the next number of the spacer sequence.
  if (idMso.empty()) {
    out.Put("<button id=\"sep00").Number(Advance(counters_.buttons)).Put("\"");
  } else {
    out.Put("<").Put(element).Put(" idMso=\"").Put(idMso).Put("\"");
  }
  out.Optional(" label=\"", label)
      .Optional(" imageMso=\"", imageMso)
      .Optional(" screentip=\"", screentip)
      .Optional(" onAction=\"", onAction)
      .Put("/>")
      .Finish();
}

void MarkupEmitters::AddMenuItem(std::string_view idMso, std::string_view label, std::string_view imageMso,
                                 std::string_view screentip, std::string_view onAction) {
  AddControl("control", idMso, label, imageMso, screentip, onAction);
}

void MarkupEmitters::AddGalleryItem(std::string_view idMso, std::string_view label, std::string_view imageMso,
                                    std::string_view screentip, std::string_view onAction) {
  AddControl("gallery", idMso, label, imageMso, screentip, onAction);
}

void MarkupEmitters::AddToolButton(std::string_view idMso, std::string_view screentip, std::string_view imageMso,
                                   std::string_view onAction) {
  Element out(*this, idMso.size() + screentip.size() + imageMso.size() + onAction.size());
  if (idMso.empty()) {
    out.Put("<button id=\"sep00").Number(Advance(counters_.buttons)).Put("\"");
  } else {
    out.Put("<control idMso=\"").Put(idMso).Put("\"");
  }
  out.Optional(" screentip=\"", screentip)
      .Optional(" imageMso=\"", imageMso)
      .Optional(" onAction=\"", onAction)
      .Put(" showLabel=\"false\"/>")
      .Finish();
}

void MarkupEmitters::AddComboBox(std::string_view idMso) {
  Element(*this, idMso.size()).Put("<comboBox idMso=\"").Put(idMso).Put("\"/>").Finish();
}

void MarkupEmitters::OpenButtonGroup() {
  Element out(*this, 0);
  out.Put("<buttonGroup id=\"btnGr00").Number(Advance(counters_.groups)).Put("\">").Finish();
}

void MarkupEmitters::CloseButtonGroup() { Append("</buttonGroup>"); }

void MarkupEmitters::AddSpacer(std::string_view label) {
  Element out(*this, label.size());
  out.Put("<button id=\"sep00")
      .Number(Advance(counters_.buttons))
      .Put("\" label=\"")
      .Put(label)
      .Put("\" enabled=\"false\"/>")
      .Finish();
}

void MarkupEmitters::AddMenuSeparator() {
  Element out(*this, 0);
  out.Put("<menuSeparator id=\"msep00").Number(Advance(counters_.separators)).Put("d\"/>").Finish();
}

void MarkupEmitters::SkipMenuSeparator() { Advance(counters_.separators); }

void MarkupEmitters::OpenMenu(std::string_view label, std::string_view imageMso, std::string_view screentip) {
  const std::int32_t number = Advance(counters_.menus);
  Element out(*this, label.size() + imageMso.size() + screentip.size());
  out.Put("<menu id=\"BR3234")
      .Number(number)
      .Put("\"")
      .Optional(" label=\"", label)
      .Optional(" imageMso=\"", imageMso)
      .Optional(" screentip=\"", screentip)
      .Put(" tag = \"BR3234")
      .Number(number)
      .Put("\">")
      .Finish();
}

void MarkupEmitters::CloseMenu(bool spacer) {
  Append("</menu>");
  if (spacer && menuPass_ == 1) AddSpacer(" ");
}

}  // namespace quillmere
