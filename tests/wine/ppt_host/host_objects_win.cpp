#include "host_objects_win.h"

#include <oleauto.h>

#include <string_view>

namespace quillmere::test {
namespace {

constexpr DISPID kName = 1;
constexpr DISPID kActiveWindow = 2;
constexpr DISPID kVersion = 3;
constexpr DISPID kLanguageSettings = 4;
constexpr DISPID kLanguageId = 1;
constexpr LONG kMsoLanguageIdUi = 2;
constexpr LCID kInstallLanguage = 0x0409;
constexpr DISPID kDocumentMap = 1;
constexpr DISPID kId = 1;
constexpr DISPID kContext = 2;
constexpr DISPID kTag = 3;

bool SameName(std::wstring_view a, std::wstring_view b) {
  return a.size() == b.size() && ::CompareStringOrdinal(a.data(), static_cast<int>(a.size()), b.data(),
                                                        static_cast<int>(b.size()), TRUE) == CSTR_EQUAL;
}

HRESULT ReturnText(const std::wstring& text, VARIANT* result) {
  if (result == nullptr) return S_OK;
  result->vt = VT_BSTR;
  result->bstrVal = ::SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
  return result->bstrVal != nullptr ? S_OK : E_OUTOFMEMORY;
}

}  // namespace

HRESULT NamedDispatch::QueryInterface(REFIID iid, void** object) noexcept {
  if (object == nullptr) return E_POINTER;
  if (iid == __uuidof(IUnknown) || iid == __uuidof(IDispatch) || Implements(iid)) {
    *object = static_cast<IDispatch*>(this);
    AddRef();
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

ULONG NamedDispatch::AddRef() noexcept { return static_cast<ULONG>(::InterlockedIncrement(&references_)); }

// The creator owns the objects (they live on the host's stack): the count only tells who holds them.
ULONG NamedDispatch::Release() noexcept { return static_cast<ULONG>(::InterlockedDecrement(&references_)); }

HRESULT NamedDispatch::GetTypeInfoCount(UINT* count) noexcept {
  if (count == nullptr) return E_POINTER;
  *count = 0;
  return S_OK;
}

HRESULT NamedDispatch::GetTypeInfo(UINT, LCID, ITypeInfo** info) noexcept {
  if (info != nullptr) *info = nullptr;
  return DISP_E_BADINDEX;
}

HRESULT NamedDispatch::GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID, DISPID* ids) noexcept {
  if (iid != IID_NULL) return DISP_E_UNKNOWNINTERFACE;
  if (names == nullptr || ids == nullptr || count == 0) return E_INVALIDARG;
  HRESULT result = S_OK;
  for (UINT i = 0; i < count; ++i) {
    ids[i] = i == 0 ? MemberId(names[0]) : DISPID_UNKNOWN;
    if (ids[i] == DISPID_UNKNOWN) result = DISP_E_UNKNOWNNAME;
  }
  return result;
}

HRESULT NamedDispatch::Invoke(DISPID id, REFIID iid, LCID, WORD flags, DISPPARAMS* arguments, VARIANT* result,
                              EXCEPINFO* exception, UINT*) noexcept {
  if (iid != IID_NULL) return DISP_E_UNKNOWNINTERFACE;
  if (arguments == nullptr) return E_INVALIDARG;
  if (result != nullptr) ::VariantInit(result);
  const HRESULT status = Call(id, flags, *arguments, result);
  if (status == DISP_E_EXCEPTION && exception != nullptr) {
    *exception = EXCEPINFO{};
    exception->scode = raised_;
  }
  return status;
}

DISPID HostWindow::MemberId(std::wstring_view name) const {
  return SameName(name, L"DocumentMap") ? kDocumentMap : DISPID_UNKNOWN;
}

HRESULT HostWindow::Call(DISPID id, WORD flags, DISPPARAMS& arguments, VARIANT* result) {
  if (id != kDocumentMap) return DISP_E_MEMBERNOTFOUND;
  if (FAILED(failure_)) return Raise(failure_);
  if (flags & DISPATCH_PROPERTYGET) {
    if (result == nullptr) return E_POINTER;
    result->vt = VT_BOOL;
    result->boolVal = documentMap_ ? VARIANT_TRUE : VARIANT_FALSE;
    return S_OK;
  }
  if (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) {
    if (arguments.cArgs != 1) return DISP_E_BADPARAMCOUNT;
    VARIANT value;
    ::VariantInit(&value);
    HRESULT converted = ::VariantChangeType(&value, &arguments.rgvarg[0], 0, VT_BOOL);
    if (FAILED(converted)) return DISP_E_TYPEMISMATCH;
    documentMap_ = value.boolVal != VARIANT_FALSE;
    ++writes_;
    return S_OK;
  }
  return DISP_E_MEMBERNOTFOUND;
}

DISPID HostApplicationObject::MemberId(std::wstring_view name) const {
  if (name_ && SameName(name, L"Name")) return kName;
  if (SameName(name, L"ActiveWindow")) return kActiveWindow;
  if ((version_.text || version_.fails) && SameName(name, L"Version")) return kVersion;
  if (hasLanguageSettings_ && SameName(name, L"LanguageSettings")) return kLanguageSettings;
  return DISPID_UNKNOWN;
}

HRESULT HostApplicationObject::Call(DISPID id, WORD flags, DISPPARAMS&, VARIANT* result) {
  if (!(flags & DISPATCH_PROPERTYGET)) return DISP_E_MEMBERNOTFOUND;
  if (id == kName && name_) return ReturnText(*name_, result);
  if (id == kVersion) return version_.fails ? E_FAIL : ReturnText(version_.text.value_or(L""), result);
  if (id == kLanguageSettings && hasLanguageSettings_) {
    if (result == nullptr) return S_OK;
    languageSettings_.AddRef();
    result->vt = VT_DISPATCH;
    result->pdispVal = &languageSettings_;
    return S_OK;
  }
  if (id == kActiveWindow) {
    // PowerPoint fails this call when no presentation window is open.
    if (window_ == nullptr) return E_FAIL;
    if (result == nullptr) return S_OK;
    window_->AddRef();
    result->vt = VT_DISPATCH;
    result->pdispVal = window_;
    return S_OK;
  }
  return DISP_E_MEMBERNOTFOUND;
}

DISPID LanguageSettingsObject::MemberId(std::wstring_view name) const {
  return SameName(name, L"LanguageID") ? kLanguageId : DISPID_UNKNOWN;
}

// LanguageID is a property with an argument; automation clients may call it either way.
HRESULT LanguageSettingsObject::Call(DISPID id, WORD flags, DISPPARAMS& arguments, VARIANT* result) {
  if (id != kLanguageId || !(flags & (DISPATCH_PROPERTYGET | DISPATCH_METHOD))) return DISP_E_MEMBERNOTFOUND;
  if (arguments.cArgs != 1) return DISP_E_BADPARAMCOUNT;
  VARIANT which;
  ::VariantInit(&which);
  if (FAILED(::VariantChangeType(&which, &arguments.rgvarg[0], 0, VT_I4))) return DISP_E_TYPEMISMATCH;
  if (language_.fails) return Raise(E_FAIL);
  if (result == nullptr) return S_OK;
  result->vt = VT_I4;
  result->lVal =
      static_cast<LONG>(which.lVal == kMsoLanguageIdUi ? language_.ui.value_or(kInstallLanguage) : kInstallLanguage);
  return S_OK;
}

HRESULT RibbonControl::QueryInterface(REFIID iid, void** object) noexcept {
  if (object != nullptr && iid == __uuidof(IRibbonControl)) {
    *object = static_cast<IRibbonControl*>(this);
    AddRef();
    return S_OK;
  }
  return NamedDispatch::QueryInterface(iid, object);
}

HRESULT RibbonControl::get_Id(BSTR* id) noexcept {
  if (id == nullptr) return E_POINTER;
  *id = ::SysAllocStringLen(id_.data(), static_cast<UINT>(id_.size()));
  return *id != nullptr ? S_OK : E_OUTOFMEMORY;
}

HRESULT RibbonControl::get_Context(IDispatch** context) noexcept {
  if (context == nullptr) return E_POINTER;
  *context = nullptr;
  return S_OK;
}

HRESULT RibbonControl::get_Tag(BSTR* tag) noexcept {
  if (tag == nullptr) return E_POINTER;
  *tag = ::SysAllocString(L"");
  return *tag != nullptr ? S_OK : E_OUTOFMEMORY;
}

DISPID RibbonControl::MemberId(std::wstring_view name) const {
  if (SameName(name, L"Id")) return kId;
  if (SameName(name, L"Context")) return kContext;
  if (SameName(name, L"Tag")) return kTag;
  return DISPID_UNKNOWN;
}

HRESULT RibbonControl::Call(DISPID id, WORD flags, DISPPARAMS&, VARIANT* result) {
  if (!(flags & DISPATCH_PROPERTYGET) || result == nullptr) return DISP_E_MEMBERNOTFOUND;
  switch (id) {
    case kId: return ReturnText(id_, result);
    case kContext:
      result->vt = VT_DISPATCH;
      result->pdispVal = nullptr;
      return S_OK;
    case kTag: return ReturnText(L"", result);
    default: return DISP_E_MEMBERNOTFOUND;
  }
}

namespace {

// A named CALLBACK function: on i686 a lambda has the wrong calling convention.
BOOL CALLBACK CountAboutWindow(HWND window, LPARAM found) {
  wchar_t name[64] = {};
  ::GetClassNameW(window, name, 64);
  if (std::wstring_view(name) == L"Quillmere.About") ++*reinterpret_cast<int*>(found);
  return TRUE;
}

}  // namespace

int AboutWindowCount() {
  int count = 0;
  ::EnumThreadWindows(::GetCurrentThreadId(), &CountAboutWindow, reinterpret_cast<LPARAM>(&count));
  return count;
}

}  // namespace quillmere::test
