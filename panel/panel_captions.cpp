#include "panel/panel_captions.h"

#include "common/product_info.h"
#include "common/settings_table.h"
#include "common/texts/product_texts.h"
#include "quillmere_version.h"

namespace quillmere {

std::string VersionLabelText(UiLanguage language) {
  std::string text(Text(TextId::PanelVersion, language));
  text.append(std::to_string(QUILLMERE_VERSION_MAJOR)).append(".").append(std::to_string(QUILLMERE_VERSION_MINOR));
  return text;
}

namespace layout {

PanelCaptions CaptionsIn(UiLanguage language) {
  PanelCaptions captions;
  for (const Setting& setting : kSettings)
    captions.boxes.at(static_cast<std::size_t>(setting.box)) = Text(setting.caption, language);
  captions.tabs = {"PowerPoint", Text(TextId::About, language)};
  captions.website = Text(TextId::Website, language);
  captions.ok = Text(TextId::Ok, language);
  captions.cancel = Text(TextId::Cancel, language);
  captions.version = VersionLabelText(language);
  captions.link = kVendorWebSiteText;
  return captions;
}

}  // namespace layout
}  // namespace quillmere
