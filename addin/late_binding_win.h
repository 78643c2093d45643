#pragma once

// Properties of automation objects reached by name, as the host's object model is reached.

#include <windows.h>
#include <oaidl.h>

#include <system_error>

namespace quillmere {

// A VARIANT that clears itself. Move-only: two owners would clear it twice.
class UniqueVariant {
 public:
  UniqueVariant() noexcept { ::VariantInit(&value_); }
  UniqueVariant(const UniqueVariant&) = delete;
  UniqueVariant& operator=(const UniqueVariant&) = delete;
  UniqueVariant(UniqueVariant&& other) noexcept : value_(other.value_) { ::VariantInit(&other.value_); }
  UniqueVariant& operator=(UniqueVariant&&) = delete;
  ~UniqueVariant() { ::VariantClear(&value_); }

  VARIANT* get() noexcept { return &value_; }
  const VARIANT& operator*() const noexcept { return value_; }

 private:
  VARIANT value_;
};

// A failed COM call: the HRESULT travels as the (negative) error value.
[[noreturn]] void ThrowHResult(HRESULT result);

// IDispatch::Invoke with no locale and no named arguments but the property-put one. A failure
// the object reports through an exception record comes back as the object's own code, not as
// the bare DISP_E_EXCEPTION.
HRESULT InvokeMember(IDispatch* object, DISPID id, WORD flags, DISPPARAMS* arguments, VARIANT* result) noexcept;

// Reads the property; throws when the object has none or the call fails.
UniqueVariant GetProperty(IDispatch* object, const wchar_t* name);

// Reads a property that holds an object; throws when it is missing or holds nothing.
IDispatch* GetObjectProperty(IDispatch* object, const wchar_t* name, UniqueVariant& holder);

void PutProperty(IDispatch* object, const wchar_t* name, VARIANT value);

}  // namespace quillmere
