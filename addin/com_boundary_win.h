#pragma once

// Where C++ meets COM: every COM method and export runs its body through ComBoundary, so that
// no exception crosses an interface and every failure reaches the caller as an HRESULT, with
// IErrorInfo describing it where there is something to say.

#include <windows.h>
#include <oleauto.h>

#include <string_view>

namespace quillmere {

// Sets the thread's error information for a failure of a method of `iid` and returns `status`.
HRESULT SetErrorInfoFor(HRESULT status, std::wstring_view description, REFIID iid) noexcept;

// The HRESULT for the exception being handled; call only inside a catch block.
HRESULT CurrentExceptionToHResult(REFIID iid) noexcept;

template <typename Body>
HRESULT ComBoundary(REFIID iid, Body&& body) noexcept {
  // A caller that looks at the error information must not see an earlier call's.
  ::SetErrorInfo(0, nullptr);
  try {
    return body();
  } catch (...) {
    return CurrentExceptionToHResult(iid);
  }
}

}  // namespace quillmere
