#pragma once

// Where C++ meets COM: every Dll* export and every interface method runs its body through
// ComBoundary, so that no exception crosses an interface, every failure reaches the caller as an
// HRESULT, and the thread's error information belongs to the latest call: cleared on entry, set
// when a failure has something to say. The exceptions are the IUnknown methods and DllMain: they
// throw nothing, and QueryInterface's E_NOINTERFACE is an answer, not a failure to describe.

#include <windows.h>
#include <oleauto.h>

#include <string_view>

namespace quillmere {

// Sets the thread's error information for a failure of a method of `iid` and returns `status`.
HRESULT SetErrorInfoFor(HRESULT status, std::wstring_view description, REFIID iid) noexcept;

// The HRESULT for the exception being handled, with error information describing it; call only
// inside a catch block. Knows every exception the add-in throws (a WindowsError gives its HRESULT).
// Allocates nothing that can throw: describing a failure may itself run out of memory, and then
// only the status remains.
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
