#include "common/windows_error_win.h"

#include <string>

namespace quillmere {
namespace {

bool CarriesWin32Error(HRESULT status) noexcept { return HRESULT_FACILITY(status) == FACILITY_WIN32 || status == S_OK; }

class HResultErrorCategory final : public std::error_category {
 public:
  const char* name() const noexcept override { return "HRESULT"; }
  // The system gives a Win32 error's text for its HRESULT too; asking with the Win32 code keeps
  // the text the same on systems that do not.
  std::string message(int value) const override {
    const auto status = static_cast<HRESULT>(value);
    return std::system_category().message(CarriesWin32Error(status) ? HRESULT_CODE(status) : value);
  }
};

std::string Message(std::string_view action, HRESULT status, DWORD win32) {
  std::string number = std::to_string(win32);
  if (!CarriesWin32Error(status)) {
    number = "0x";
    for (int shift = 28; shift >= 0; shift -= 4) number += "0123456789ABCDEF"[(win32 >> shift) & 0xF];
  }
  return std::string(action) + " failed (error " + number + ")";
}

}  // namespace

const std::error_category& HResultCategory() noexcept {
  static const HResultErrorCategory category;
  return category;
}

WindowsError::WindowsError(std::string_view action, HRESULT status)
    : std::system_error(static_cast<int>(status), HResultCategory()),
      texts_(std::make_shared<const Texts>(Texts{std::string(action), Message(action, status, Win32Code())})) {}

DWORD WindowsError::Win32Code() const noexcept {
  const HRESULT status = Status();
  return CarriesWin32Error(status) ? static_cast<DWORD>(HRESULT_CODE(status)) : static_cast<DWORD>(status);
}

WindowsError Win32Error(std::string_view action, DWORD error) {
  return WindowsError(action, HRESULT_FROM_WIN32(error));
}

WindowsError LastError(std::string_view action, DWORD fallback) {
  const DWORD error = ::GetLastError();
  return Win32Error(action, error != ERROR_SUCCESS ? error : fallback);
}

void ThrowWin32(std::string_view action, DWORD error) { throw Win32Error(action, error); }

void ThrowLastError(std::string_view action, DWORD fallback) { throw LastError(action, fallback); }

void ThrowHResult(std::string_view action, HRESULT status) { throw WindowsError(action, status); }

}  // namespace quillmere
