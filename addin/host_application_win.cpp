#include "addin/host_application_win.h"

#include <oleauto.h>

#include <optional>

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

// Reads a text property by name; a failure comes back as the host's HRESULT in `failure`.
std::optional<std::string> TextProperty(IDispatch* application, const wchar_t* name, HRESULT& failure) {
  LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
  DISPID id = DISPID_UNKNOWN;
  failure = application->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
  if (FAILED(failure)) return std::nullopt;

  DISPPARAMS none{};
  Variant value;
  ExceptionInfo exception;
  failure =
      application->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none, &value, &exception, nullptr);
  if (failure == DISP_E_EXCEPTION) {
    if (exception.pfnDeferredFillIn != nullptr) exception.pfnDeferredFillIn(&exception);
    failure = exception.Status();
  }
  if (FAILED(failure)) return std::nullopt;

  Variant text;
  failure = ::VariantChangeType(&text, &value, 0, VT_BSTR);
  if (FAILED(failure)) return std::nullopt;
  return Utf16ToUtf8(
      std::u16string_view(reinterpret_cast<const char16_t*>(text.bstrVal), ::SysStringLen(text.bstrVal)));
}

}  // namespace

std::string DispatchHostApplication::Name() const {
  if (application_ == nullptr) throw HostError("no host application", E_POINTER);
  HRESULT failure = S_OK;
  auto name = TextProperty(application_, L"Name", failure);
  if (!name) throw HostError("the host application has no readable Name property", failure);
  return *std::move(name);
}

std::optional<std::string> DispatchHostApplication::Version() const {
  if (application_ == nullptr) return std::nullopt;
  HRESULT failure = S_OK;
  return TextProperty(application_, L"Version", failure);
}

}  // namespace quillmere
