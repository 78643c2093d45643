#include "addin/late_binding_win.h"

namespace quillmere {

namespace {

DISPID MemberId(IDispatch* object, const wchar_t* name) {
  if (!object) ThrowHResult(E_POINTER);
  DISPID id = DISPID_UNKNOWN;
  LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
  const HRESULT result = object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
  if (FAILED(result)) ThrowHResult(result);
  return id;
}

}  // namespace

void ThrowHResult(HRESULT result) { throw std::system_error(static_cast<int>(result), std::system_category()); }

UniqueVariant GetProperty(IDispatch* object, const wchar_t* name) {
  const DISPID id = MemberId(object, name);
  DISPPARAMS none{};
  UniqueVariant value;
  const HRESULT result =
      object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none, value.get(), nullptr, nullptr);
  if (FAILED(result)) ThrowHResult(result);
  return value;
}

IDispatch* GetObjectProperty(IDispatch* object, const wchar_t* name, UniqueVariant& holder) {
  UniqueVariant value = GetProperty(object, name);
  const HRESULT result = ::VariantChangeType(holder.get(), value.get(), 0, VT_DISPATCH);
  if (FAILED(result)) ThrowHResult(result);
  if (!(*holder).pdispVal) ThrowHResult(E_POINTER);
  return (*holder).pdispVal;
}

void PutProperty(IDispatch* object, const wchar_t* name, VARIANT value) {
  const DISPID id = MemberId(object, name);
  DISPID named = DISPID_PROPERTYPUT;
  DISPPARAMS arguments{&value, &named, 1, 1};
  const HRESULT result =
      object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYPUT, &arguments, nullptr, nullptr, nullptr);
  if (FAILED(result)) ThrowHResult(result);
}

}  // namespace quillmere
