#include "panel/error_message.h"

#include "common/product_info.h"
#include "common/texts/product_texts.h"

namespace quillmere {

std::string ErrorMessageText(std::string_view description, std::string_view handler, int step, UiLanguage language) {
  constexpr std::string_view kLocation = "\r\nin Morrowick2016/06/15.Form1.";
  const std::string_view line = Text(TextId::ErrorAtLine, language);
  const std::string request = "\r\r" + std::string(Text(TextId::ErrorRequest, language));
  const std::string number = std::to_string(step);
  std::string text;
  const std::string_view address = kSupportEmail;
  text.reserve(description.size() + kLocation.size() + handler.size() + line.size() + number.size() + request.size() +
               address.size());
  text.append(description).append(kLocation).append(handler).append(line).append(number).append(request);
  text.append(address);
  return text;
}

}  // namespace quillmere
