#include "addin/host_application_win.h"

#include <oleauto.h>

#include "common/unique_handle_win.h"
#include "common/utf16_text.h"

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

struct Variant : VARIANT {
  Variant() { ::VariantInit(this); }
  Variant(const Variant&) = delete;
  Variant& operator=(const Variant&) = delete;
  ~Variant() { ::VariantClear(this); }
};

}  // namespace

std::string DispatchHostApplication::Name() const {
  if (application_ == nullptr) throw HostError("no host application", E_POINTER);

  LPOLESTR names[] = {const_cast<LPOLESTR>(L"Name")};
  DISPID id = DISPID_UNKNOWN;
  HRESULT result = application_->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
  if (FAILED(result)) throw HostError("the host application has no Name property", result);

  DISPPARAMS none{};
  Variant value;
  ExceptionInfo exception;
  result =
      application_->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none, &value, &exception, nullptr);
  if (result == DISP_E_EXCEPTION) {
    if (exception.pfnDeferredFillIn != nullptr) exception.pfnDeferredFillIn(&exception);
    result = exception.Status();
  }
  if (FAILED(result)) throw HostError("the host application's Name property failed", result);

  Variant text;
  result = ::VariantChangeType(&text, &value, 0, VT_BSTR);
  if (FAILED(result)) throw HostError("the host application's Name is not text", result);
  return Utf16ToUtf8(
      std::u16string_view(reinterpret_cast<const char16_t*>(text.bstrVal), ::SysStringLen(text.bstrVal)));
}

}  // namespace quillmere
