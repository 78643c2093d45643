#pragma once

// The one way Windows code reports a system call that failed: a WindowsError carrying what was
// being done and the call's code as an HRESULT (Win32 error codes become HRESULT_FROM_WIN32).

#include <windows.h>

#include <stdexcept>
#include <string>
#include <string_view>
#include <system_error>

namespace quillmere {

// The category of error codes whose value is an HRESULT; its messages are the system's own texts.
const std::error_category& HResultCategory() noexcept;

// A Windows call failed. what() reads "<action> failed (error <n>)", n being Win32Code() in
// decimal, or the status in hexadecimal when it carries no Win32 error. code() holds the status in
// HResultCategory().
//
// The status is a failure, except for a call that failed without saying why when the caller asked
// for no fallback code (so that a message keeps showing "error 0"); the COM boundary reports that
// one as E_FAIL.
class WindowsError : public std::system_error {
 public:
  WindowsError(std::string_view action, HRESULT status);

  HRESULT Status() const noexcept { return static_cast<HRESULT>(code().value()); }
  // The Win32 error the status was made from; for any other status, its bits.
  DWORD Win32Code() const noexcept {
    const HRESULT status = Status();
    return CarriesWin32Error(status) ? static_cast<DWORD>(HRESULT_CODE(status)) : static_cast<DWORD>(status);
  }
  // The system's text for the status ("Access is denied."), without the action.
  const char* SystemText() const noexcept { return std::system_error::what(); }
  const char* what() const noexcept override { return message_.what(); }

  // True for a status made from a Win32 error (0 included).
  static bool CarriesWin32Error(HRESULT status) noexcept {
    return HRESULT_FACILITY(status) == FACILITY_WIN32 || status == S_OK;
  }

 private:
  std::runtime_error message_;  // copies without allocating, as an exception must
};

// For a Win32 error code (an LSTATUS, say).
[[noreturn]] void ThrowWin32(std::string_view action, DWORD error);
// For a call that reports its failure through the thread's last error. A call that failed without
// setting one still failed: it reports `fallback`, or 0 where a message has always shown it so
// (kNoFallback).
inline constexpr DWORD kNoFallback = ERROR_SUCCESS;
[[noreturn]] void ThrowLastError(std::string_view action, DWORD fallback = ERROR_GEN_FAILURE);
[[noreturn]] void ThrowHResult(std::string_view action, HRESULT status);

// Throw when the call failed: a status other than ERROR_SUCCESS, a false result, a failed HRESULT.
inline void CheckWin32(LSTATUS status, std::string_view action) {
  if (status != ERROR_SUCCESS) ThrowWin32(action, static_cast<DWORD>(status));
}
inline void CheckLastError(bool succeeded, std::string_view action, DWORD fallback = ERROR_GEN_FAILURE) {
  if (!succeeded) ThrowLastError(action, fallback);
}
inline void CheckHResult(HRESULT status, std::string_view action) {
  if (FAILED(status)) ThrowHResult(action, status);
}

}  // namespace quillmere
