#include "panel/error_message.h"

#include "common/product_info.h"

namespace quillmere {

std::string ErrorMessageText(std::string_view description, std::string_view handler, int step) {
  std::string text(description);
  text += "\r\nin Morrowick2016/06/15.Form1.";
  text += handler;
  text += " at line ";
  text += std::to_string(step);
  text += "\r\r";
  text += "Please email screenshot of this message to ";
  // The address is plain ASCII.
  for (const wchar_t* c = kSupportEmail; *c != L'\0'; ++c) text += static_cast<char>(*c);
  return text;
}

}  // namespace quillmere
