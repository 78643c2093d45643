#include "common/windows_error_win.h"

#include <string>

namespace quillmere {
namespace {

class HResultErrorCategory final : public std::error_category {
 public:
  const char* name() const noexcept override { return "HRESULT"; }
  // The system gives a Win32 error's text for its HRESULT too; asking with the Win32 code keeps
  // the text the same on systems that do not.
  std::string message(int value) const override {
    const auto status = static_cast<HRESULT>(value);
    return std::system_category().message(WindowsError::CarriesWin32Error(status) ? HRESULT_CODE(status) : value);
  }
};

std::string Message(std::string_view action, HRESULT status, DWORD win32) {
  std::string message(action);
  message += " failed (error ";
  if (WindowsError::CarriesWin32Error(status)) {
    message += std::to_string(win32);
  } else {
    message += "0x";
    for (int shift = 28; shift >= 0; shift -= 4) message += "0123456789ABCDEF"[(win32 >> shift) & 0xF];
  }
  message += ')';
  return message;
}

}  // namespace

const std::error_category& HResultCategory() noexcept {
  static const HResultErrorCategory category;
  return category;
}

WindowsError::WindowsError(std::string_view action, HRESULT status)
    : std::system_error(static_cast<int>(status), HResultCategory()), message_(Message(action, status, Win32Code())) {}

void ThrowWin32(std::string_view action, DWORD error) { throw WindowsError(action, HRESULT_FROM_WIN32(error)); }

void ThrowLastError(std::string_view action, DWORD fallback) {
  const DWORD error = ::GetLastError();
  ThrowWin32(action, error != ERROR_SUCCESS ? error : fallback);
}

void ThrowHResult(std::string_view action, HRESULT status) { throw WindowsError(action, status); }

}  // namespace quillmere
