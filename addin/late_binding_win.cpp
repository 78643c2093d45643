#include "addin/late_binding_win.h"

#include "common/windows_error_win.h"

namespace quillmere {

namespace {

// Frees what Invoke may hand back in an EXCEPINFO.
struct ExceptionInfo : EXCEPINFO {
  ExceptionInfo() : EXCEPINFO{} {}
  ExceptionInfo(const ExceptionInfo&) = delete;
  ExceptionInfo& operator=(const ExceptionInfo&) = delete;
  ~ExceptionInfo() {
    ::SysFreeString(bstrSource);
    ::SysFreeString(bstrDescription);
    ::SysFreeString(bstrHelpFile);
  }
  HRESULT Status() const { return scode != 0 ? scode : (wCode != 0 ? MAKE_HRESULT(1, FACILITY_ITF, wCode) : E_FAIL); }
};

HRESULT MemberId(IDispatch* object, const wchar_t* name, DISPID& id) noexcept {
  if (!object) return E_POINTER;
  LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
  return object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
}

// IDispatch::Invoke with no locale and no named arguments but the property-put one. A failure
// the object reports through an exception record comes back as the object's own code, not as
// the bare DISP_E_EXCEPTION.
HRESULT InvokeMember(IDispatch* object, DISPID id, WORD flags, DISPPARAMS* arguments, VARIANT* result) noexcept {
  ExceptionInfo exception;
  const HRESULT status =
      object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, arguments, result, &exception, nullptr);
  if (status != DISP_E_EXCEPTION) return status;
  if (exception.pfnDeferredFillIn != nullptr) exception.pfnDeferredFillIn(&exception);
  return exception.Status();
}

}  // namespace

HRESULT TryGetProperty(IDispatch* object, const wchar_t* name, UniqueVariant& value) noexcept {
  DISPID id = DISPID_UNKNOWN;
  const HRESULT result = MemberId(object, name, id);
  if (FAILED(result)) return result;
  DISPPARAMS none{};
  return InvokeMember(object, id, DISPATCH_PROPERTYGET, &none, value.get());
}

HRESULT TryGetIndexedProperty(IDispatch* object, const wchar_t* name, VARIANT argument, UniqueVariant& value) noexcept {
  DISPID id = DISPID_UNKNOWN;
  const HRESULT result = MemberId(object, name, id);
  if (FAILED(result)) return result;
  DISPPARAMS arguments{&argument, nullptr, 1, 0};
  // Automation clients ask for both: some objects publish such a member as a method.
  return InvokeMember(object, id, DISPATCH_PROPERTYGET | DISPATCH_METHOD, &arguments, value.get());
}

UniqueVariant GetProperty(IDispatch* object, const wchar_t* name) {
  UniqueVariant value;
  const HRESULT result = TryGetProperty(object, name, value);
  if (FAILED(result)) ThrowHResult("reading a property", result);
  return value;
}

IDispatch* GetObjectProperty(IDispatch* object, const wchar_t* name, UniqueVariant& holder) {
  UniqueVariant value = GetProperty(object, name);
  const HRESULT result = ::VariantChangeType(holder.get(), value.get(), 0, VT_DISPATCH);
  if (FAILED(result)) ThrowHResult("reading an object from a property", result);
  if (!(*holder).pdispVal) ThrowHResult("reading an object from a property", E_POINTER);
  return (*holder).pdispVal;
}

void PutProperty(IDispatch* object, const wchar_t* name, VARIANT value) {
  DISPID id = DISPID_UNKNOWN;
  HRESULT result = MemberId(object, name, id);
  if (FAILED(result)) ThrowHResult("finding a property", result);
  DISPID named = DISPID_PROPERTYPUT;
  DISPPARAMS arguments{&value, &named, 1, 1};
  result = InvokeMember(object, id, DISPATCH_PROPERTYPUT, &arguments, nullptr);
  if (FAILED(result)) ThrowHResult("setting a property", result);
}

}  // namespace quillmere
