#pragma once

// IDispatch for the two Office interfaces the Connect object implements. Office calls them
// through their vtables; scripting clients and other hosts call them by DISPID, so each answers
// for its own members, as Office's type library numbers them, and for nothing else.

#include <windows.h>
#include <oaidl.h>

#include "tessivar_h.h"

namespace quillmere {

// IDispatch on one Office interface. Instantiated for IRibbonExtensibility (GetCustomUI, DISPID
// 1) and IDTExtensibility2 (OnConnection 1, OnDisconnection 2, OnAddInsUpdate 3,
// OnStartupComplete 4, OnBeginShutdown 5); the `custom` arrays are not passed on: the add-in never
// reads them.
template <typename Interface>
class OfficeDispatch : public Interface {
 public:
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) noexcept final;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) noexcept final;
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale,
                                          DISPID* ids) noexcept final;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID locale, WORD flags, DISPPARAMS* arguments,
                                   VARIANT* result, EXCEPINFO* exception, UINT* argumentError) noexcept final;

 protected:
  ~OfficeDispatch() = default;
};

// Defined for these two in office_dispatch_win.cpp.
extern template class OfficeDispatch<IRibbonExtensibility>;
extern template class OfficeDispatch<IDTExtensibility2>;
using RibbonExtensibilityDispatch = OfficeDispatch<IRibbonExtensibility>;
using ExtensibilityDispatch = OfficeDispatch<IDTExtensibility2>;

}  // namespace quillmere
