#pragma once

#include <string_view>

#include "addin/host_application.h"
#include "addin/markup_emitters.h"
#include "common/settings_snapshot.h"
#include "common/texts/ui_language.h"

namespace quillmere {

// The RibbonX namespace of the Office 2007 customUI schema.
inline constexpr std::string_view kCustomUiNamespace = "http://schemas.microsoft.com/office/2006/01/customui";

// A document and the language it speaks: the host's user-interface language where the product
// has it, English otherwise. The About window and the uninstall message its buttons open speak
// that language too.
struct RibbonDocument {
  std::string_view markup;  // valid until the assembler's next call
  UiLanguage language = UiLanguage::English;
};

// Turns the settings and the host into the Classic tab's customUI document.
// One assembler serves one add-in object; it keeps its buffer between calls so that later
// documents are built without growing it again.
class RibbonAssembler {
 public:
  // The whole document, or empty markup when the host is not PowerPoint or the Classic tab is
  // switched off. Its commands carry the names the host's Version knows. While a policy is in
  // force what it enforces holds: a tab it hides stays hidden even with the Classic tab switched
  // off (the document then only hides those tabs), and the ribbon starts from scratch only when
  // every tab is switched on, never by a sum of values.
  // Throws AssemblyError, and then returns no document; a missing host (nullptr) is such a failure.
  RibbonDocument GetRibbonXML(const HostApplication* host, const SettingsSnapshot& settings);

 private:
  void AppendTabs(const SettingsSnapshot& settings);
  void AppendHiddenTab(const Setting& tab);

  MarkupEmitters emitters_;
};

}  // namespace quillmere
