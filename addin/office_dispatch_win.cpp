#include "addin/office_dispatch_win.h"

#include <span>

#include "addin/com_boundary_win.h"
#include "common/file_name_text_win.h"
#include "common/unique_handle_win.h"

namespace quillmere {
namespace {

struct Member {
  const wchar_t* name;
  DISPID id;
  UINT arguments;
};

constexpr Member kRibbonMembers[] = {{L"GetCustomUI", 1, 1}};
constexpr Member kExtensibilityMembers[] = {{L"OnConnection", 1, 4},
                                            {L"OnDisconnection", 2, 2},
                                            {L"OnAddInsUpdate", 3, 1},
                                            {L"OnStartupComplete", 4, 1},
                                            {L"OnBeginShutdown", 5, 1}};

// No type information: these interfaces' descriptions belong to Office's type library.
HRESULT NoTypeInfo(UINT* count) noexcept {
  if (count == nullptr) return E_POINTER;
  *count = 0;
  return S_OK;
}

HRESULT NoTypeInfo(ITypeInfo** info) noexcept {
  if (info == nullptr) return E_POINTER;
  *info = nullptr;
  return DISP_E_BADINDEX;
}

// Names after the first are parameter names, which these interfaces do not resolve. Member names
// ignore letter case, the same way for every user's language.
HRESULT IdsOfNames(std::span<const Member> members, REFIID iid, LPOLESTR* names, UINT count, DISPID* ids) noexcept {
  if (iid != IID_NULL) return DISP_E_UNKNOWNINTERFACE;
  if (names == nullptr || ids == nullptr || count == 0) return E_INVALIDARG;
  for (UINT i = 0; i < count; ++i) ids[i] = DISPID_UNKNOWN;
  for (const Member& member : members) {
    if (names[0] != nullptr && SameFileNameText(std::wstring_view(names[0]), member.name)) {
      ids[0] = member.id;
      return count == 1 ? S_OK : DISP_E_UNKNOWNNAME;
    }
  }
  return DISP_E_UNKNOWNNAME;
}

// The checks every Invoke makes before it reads arguments.
HRESULT CheckCall(std::span<const Member> members, DISPID id, REFIID iid, WORD flags, const DISPPARAMS* arguments) {
  if (iid != IID_NULL) return DISP_E_UNKNOWNINTERFACE;
  for (const Member& member : members) {
    if (member.id != id) continue;
    if ((flags & DISPATCH_METHOD) == 0) return DISP_E_MEMBERNOTFOUND;
    if (arguments == nullptr) return E_INVALIDARG;
    if (arguments->cNamedArgs != 0) return DISP_E_NONAMEDARGS;
    return arguments->cArgs == member.arguments ? S_OK : DISP_E_BADPARAMCOUNT;
  }
  return DISP_E_MEMBERNOTFOUND;
}

// A method's failure, as Invoke reports it: in the exception record where the caller gave one,
// with the description the method left in the error information.
HRESULT Raised(HRESULT status, EXCEPINFO* exception) noexcept {
  if (exception == nullptr) return status;
  *exception = EXCEPINFO{};
  exception->scode = status;
  IErrorInfo* info = nullptr;
  if (::GetErrorInfo(0, &info) == S_OK && info != nullptr) {
    info->GetSource(&exception->bstrSource);
    info->GetDescription(&exception->bstrDescription);
    info->Release();
  }
  return DISP_E_EXCEPTION;
}

template <typename Interface>
constexpr std::span<const Member> kMembers{};
template <>
constexpr std::span<const Member> kMembers<IRibbonExtensibility> = kRibbonMembers;
template <>
constexpr std::span<const Member> kMembers<IDTExtensibility2> = kExtensibilityMembers;

// Each calls a checked member with its arguments: a bad argument fails as such, the member's own
// failure through the exception record.
HRESULT CallMember(IRibbonExtensibility& self, DISPID, DISPPARAMS* arguments, VARIANT* result, EXCEPINFO* exception,
                   UINT* argumentError) {
  UniqueVariant ribbonId;
  HRESULT status = ::DispGetParam(arguments, 0, VT_BSTR, ribbonId.get(), argumentError);
  if (FAILED(status)) return status;
  UniqueBstr document;
  status = self.GetCustomUI((*ribbonId).bstrVal, document.put());
  if (FAILED(status)) return Raised(status, exception);
  if (result != nullptr) {
    ::VariantInit(result);
    result->vt = VT_BSTR;
    result->bstrVal = document.release();
  }
  return S_OK;
}

HRESULT CallMember(IDTExtensibility2& self, DISPID id, DISPPARAMS* arguments, VARIANT* result, EXCEPINFO* exception,
                   UINT* argumentError) {
  if (result != nullptr) ::VariantInit(result);
  // Only the application object is read: the add-in ignores the other arguments.
  UniqueVariant application;
  HRESULT status = S_OK;
  switch (id) {
    case 1:
      status = ::DispGetParam(arguments, 0, VT_DISPATCH, application.get(), argumentError);
      if (FAILED(status)) return status;
      status = self.OnConnection((*application).pdispVal, 0, nullptr, nullptr);
      break;
    case 2: status = self.OnDisconnection(0, nullptr); break;
    case 3: status = self.OnAddInsUpdate(nullptr); break;
    case 4: status = self.OnStartupComplete(nullptr); break;
    default: status = self.OnBeginShutdown(nullptr); break;
  }
  return FAILED(status) ? Raised(status, exception) : S_OK;
}

}  // namespace

template <typename Interface>
HRESULT OfficeDispatch<Interface>::GetTypeInfoCount(UINT* count) noexcept {
  return ComBoundary(__uuidof(Interface), [&] { return NoTypeInfo(count); });
}

template <typename Interface>
HRESULT OfficeDispatch<Interface>::GetTypeInfo(UINT, LCID, ITypeInfo** info) noexcept {
  return ComBoundary(__uuidof(Interface), [&] { return NoTypeInfo(info); });
}

template <typename Interface>
HRESULT OfficeDispatch<Interface>::GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID, DISPID* ids) noexcept {
  return ComBoundary(__uuidof(Interface), [&] { return IdsOfNames(kMembers<Interface>, iid, names, count, ids); });
}

template <typename Interface>
HRESULT OfficeDispatch<Interface>::Invoke(DISPID id, REFIID iid, LCID, WORD flags, DISPPARAMS* arguments,
                                          VARIANT* result, EXCEPINFO* exception, UINT* argumentError) noexcept {
  return ComBoundary(__uuidof(Interface), [&] {
    const HRESULT status = CheckCall(kMembers<Interface>, id, iid, flags, arguments);
    if (FAILED(status)) return status;
    return CallMember(*static_cast<Interface*>(this), id, arguments, result, exception, argumentError);
  });
}

template class OfficeDispatch<IRibbonExtensibility>;
template class OfficeDispatch<IDTExtensibility2>;

}  // namespace quillmere
