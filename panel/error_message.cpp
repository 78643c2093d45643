#include "panel/error_message.h"

#include "common/product_info.h"

namespace quillmere {

std::string ErrorMessageText(std::string_view description, std::string_view handler, int step) {
  constexpr std::string_view kLocation = "\r\nin Morrowick2016/06/15.Form1.";
  constexpr std::string_view kLine = " at line ";
  constexpr std::string_view kRequest = "\r\rPlease email screenshot of this message to ";
  const std::string number = std::to_string(step);
  std::string text;
  text.reserve(description.size() + kLocation.size() + handler.size() + kLine.size() + number.size() + kRequest.size() +
               32);
  text.append(description).append(kLocation).append(handler).append(kLine).append(number).append(kRequest);
  // The address is plain ASCII.
  for (const wchar_t* c = kSupportEmail; *c != L'\0'; ++c) text.push_back(static_cast<char>(*c));
  return text;
}

}  // namespace quillmere
