#pragma once

#include <cstdint>
#include <string_view>

#include "addin/host_application.h"
#include "addin/markup_emitters.h"
#include "common/layered_settings.h"
#include "common/product_texts.h"
#include "common/settings_store.h"
#include "common/settings_table.h"

namespace quillmere {

// The RibbonX namespace of the Office 2007 customUI schema.
inline constexpr std::string_view kCustomUiNamespace = "http://schemas.microsoft.com/office/2006/01/customui";

// Turns the stored settings and the host into the Classic tab's customUI document.
// One assembler serves one add-in object; it keeps its buffer between calls so that later
// documents are built without growing it again.
class RibbonAssembler {
 public:
  // The whole document, or empty text when the host is not PowerPoint or the Classic tab is
  // switched off. Its commands carry the names the host's Version knows. The text stays valid until the next call.
  // Throws AssemblyError, and then returns no text; a missing host (nullptr) is such a failure.
  std::string_view GetRibbonXML(const HostApplication* host, const SettingsStore& settings);
  // The same, and while a policy is in force what it enforces holds: a tab it hides stays hidden
  // even with the Classic tab switched off (the document then only hides those tabs), and the
  // ribbon starts from scratch only when every tab is switched on, never by a sum of values.
  std::string_view GetRibbonXML(const HostApplication* host, const LayeredSettings& settings);

  // The language of the last document: the host's user-interface language where the product has
  // it, English otherwise. The About window speaks it too.
  UiLanguage Language() const { return language_; }

  // The emitters and their state, for the builders' tests.
  MarkupEmitters& Emitters() { return emitters_; }

 private:
  std::string_view Assemble(const HostApplication* host, const SettingsStore& settings,
                            const LayeredSettings* enforcing);
  void AppendTabs(const SettingsStore& settings, bool enforcing);
  void AppendHiddenTab(const Setting& tab);

  MarkupEmitters emitters_;
  UiLanguage language_ = UiLanguage::English;
};

}  // namespace quillmere
