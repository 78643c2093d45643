#include "markup_emitters.h"

#include <charconv>
#include <limits>

#include "assembly_error.h"

namespace quillmere {
namespace {

// Counts the next id; the counter is left as it was when it would overflow.
std::int32_t Advance(std::int32_t& counter) {
  if (counter == std::numeric_limits<std::int32_t>::max()) {
    throw AssemblyError(AssemblyError::Reason::Overflow,
                        "an id counter would pass the largest 32-bit value");
  }
  return ++counter;
}

}  // namespace

// Every emitter checks its counter before it writes, so a failing call appends nothing.

void MarkupEmitters::AppendAttribute(std::string_view name, std::string_view value) {
  if (value.empty()) return;
  markupBuffer_ += ' ';
  markupBuffer_.append(name);
  markupBuffer_.append("=\"");
  markupBuffer_.append(value);
  markupBuffer_ += '"';
}

void MarkupEmitters::AppendNumber(std::int32_t value) {
  char digits[16];
  auto [end, error] = std::to_chars(digits, digits + sizeof digits, value);
  markupBuffer_.append(digits, end);
}

// A built-in control is named by its idMso; without one the element is a custom button that
// takes the next number of the spacer sequence.
void MarkupEmitters::AppendControlStart(std::string_view element, std::string_view idMso) {
  if (idMso.empty()) {
    std::int32_t number = Advance(counters_.ButtonCounter);
    markupBuffer_.append("<button id=\"sep00");
    AppendNumber(number);
    markupBuffer_ += '"';
    return;
  }
  markupBuffer_ += '<';
  markupBuffer_.append(element);
  markupBuffer_.append(" idMso=\"");
  markupBuffer_.append(idMso);
  markupBuffer_ += '"';
}

void MarkupEmitters::AddControl(std::string_view element, std::string_view idMso,
                                std::string_view label, std::string_view imageMso,
                                std::string_view screentip, std::string_view onAction) {
  AppendControlStart(element, idMso);
  AppendAttribute("label", label);
  AppendAttribute("imageMso", imageMso);
  AppendAttribute("screentip", screentip);
  AppendAttribute("onAction", onAction);
  markupBuffer_.append("/>");
}

void MarkupEmitters::AddMenuItem(std::string_view idMso, std::string_view label,
                                 std::string_view imageMso, std::string_view screentip,
                                 std::string_view onAction) {
  AddControl("control", idMso, label, imageMso, screentip, onAction);
}

void MarkupEmitters::AddGalleryItem(std::string_view idMso, std::string_view label,
                                    std::string_view imageMso, std::string_view screentip,
                                    std::string_view onAction) {
  AddControl("gallery", idMso, label, imageMso, screentip, onAction);
}

void MarkupEmitters::AddToolButton(std::string_view idMso, std::string_view screentip,
                                   std::string_view imageMso, std::string_view onAction) {
  AppendControlStart("control", idMso);
  AppendAttribute("screentip", screentip);
  AppendAttribute("imageMso", imageMso);
  AppendAttribute("onAction", onAction);
  markupBuffer_.append(" showLabel=\"false\"/>");
}

void MarkupEmitters::AddComboBox(std::string_view idMso) {
  markupBuffer_.append("<comboBox idMso=\"");
  markupBuffer_.append(idMso);
  markupBuffer_.append("\"/>");
}

void MarkupEmitters::OpenButtonGroup() {
  std::int32_t number = Advance(counters_.GroupCounter);
  markupBuffer_.append("<buttonGroup id=\"btnGr00");
  AppendNumber(number);
  markupBuffer_.append("\">");
}

void MarkupEmitters::CloseButtonGroup() { markupBuffer_.append("</buttonGroup>"); }

void MarkupEmitters::AddSpacer(std::string_view label) {
  std::int32_t number = Advance(counters_.ButtonCounter);
  markupBuffer_.append("<button id=\"sep00");
  AppendNumber(number);
  markupBuffer_.append("\" label=\"");
  markupBuffer_.append(label);
  markupBuffer_.append("\" enabled=\"false\"/>");
}

void MarkupEmitters::AddMenuSeparator() {
  std::int32_t number = Advance(counters_.SeparatorCounter);
  markupBuffer_.append("<menuSeparator id=\"msep00");
  AppendNumber(number);
  markupBuffer_.append("d\"/>");
}

void MarkupEmitters::OpenMenu(std::string_view label, std::string_view imageMso,
                              std::string_view screentip) {
  std::int32_t number = Advance(counters_.MenuCounter);
  markupBuffer_.append("<menu id=\"BR3234");
  AppendNumber(number);
  markupBuffer_ += '"';
  AppendAttribute("label", label);
  AppendAttribute("imageMso", imageMso);
  AppendAttribute("screentip", screentip);
  markupBuffer_.append(" tag = \"BR3234");
  AppendNumber(number);
  markupBuffer_.append("\">");
}

void MarkupEmitters::CloseMenu(bool spacer) {
  markupBuffer_.append("</menu>");
  if (spacer && menuPass_ == 1) AddSpacer(" ");
}

}  // namespace quillmere
