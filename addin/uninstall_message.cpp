#include "addin/uninstall_message.h"

#include "common/product_info.h"

namespace quillmere {

std::wstring UninstallMessage() {
  return std::wstring(L"To uninstall, close PowerPoint and then go to") + L"\r\r" + L"Start > Program Files > " +
         kProductName + L" > Uninstall " + kProductName;
}

}  // namespace quillmere
