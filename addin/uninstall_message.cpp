#include "addin/uninstall_message.h"

#include "common/product_info.h"
#include "common/texts/product_texts.h"

namespace quillmere {
namespace {

// The product's name is plain ASCII.
std::string ProductName() {
  std::string name;
  for (const wchar_t* c = kProductName; *c != L'\0'; ++c) name.push_back(static_cast<char>(*c));
  return name;
}

}  // namespace

std::string UninstallMessageText(UiLanguage language) {
  const std::string product = ProductName();
  std::string text(Text(TextId::UninstallInstruction, language));
  text.append("\r\r").append(Text(TextId::UninstallStartMenu, language));
  text.append(" > ").append(product).append(" > Uninstall ").append(product);
  return text;
}

std::wstring UninstallMessage() {
  // English is plain ASCII.
  const std::string text = UninstallMessageText(UiLanguage::English);
  return {text.begin(), text.end()};
}

}  // namespace quillmere
