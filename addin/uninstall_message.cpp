#include "addin/uninstall_message.h"

#include "common/product_info.h"
#include "common/texts/product_texts.h"

namespace quillmere {
std::string UninstallMessageText(UiLanguage language) {
  const std::string_view product = kProductName;
  std::string text(Text(TextId::UninstallInstruction, language));
  text.append("\r\r").append(Text(TextId::UninstallStartMenu, language));
  text.append(" > ").append(product).append(" > Uninstall ").append(product);
  return text;
}

}  // namespace quillmere
