#include "addin/connect_win.h"

#include <new>
#include <optional>

#include "addin/about_window_win.h"
#include "addin/com_boundary_win.h"
#include "addin/host_application_win.h"
#include "addin/late_binding_win.h"
#include "addin/module_win.h"
#include "addin/ribbon_callbacks_win.h"
#include "common/registry_policies_win.h"
#include "common/registry_settings_store_win.h"
#include "common/utf16_text.h"
#include "common/windows_error_win.h"

namespace quillmere {
namespace {

// The UTF-8 document converted straight into a new BSTR (empty text stays an empty BSTR: some
// hosts do not expect a null string back from a successful call).
BSTR ToBstr(std::string_view utf8) {
  BSTR text = ::SysAllocStringLen(nullptr, static_cast<UINT>(Utf16Length(utf8)));
  if (text == nullptr) throw std::bad_alloc();
  Utf8ToWide(utf8, text);
  return text;
}

}  // namespace

Connect::Connect() noexcept { AddObjectReference(); }

Connect::~Connect() { ReleaseObjectReference(); }

HRESULT Connect::QueryInterface(REFIID iid, void** object) noexcept {
  if (object == nullptr) return E_POINTER;
  // IDispatch is _Connect's: the host finds the ribbon callbacks through it by name.
  if (iid == __uuidof(IUnknown) || iid == __uuidof(IDispatch) || iid == __uuidof(_Connect)) {
    *object = static_cast<_Connect*>(this);
  } else if (iid == __uuidof(IRibbonExtensibility)) {
    *object = static_cast<IRibbonExtensibility*>(this);
  } else if (iid == __uuidof(IDTExtensibility2)) {
    *object = static_cast<IDTExtensibility2*>(this);
  } else if (iid == __uuidof(ISupportErrorInfo)) {
    *object = static_cast<ISupportErrorInfo*>(this);
  } else {
    *object = nullptr;
    return E_NOINTERFACE;
  }
  AddRef();
  return S_OK;
}

ULONG Connect::AddRef() noexcept { return static_cast<ULONG>(::InterlockedIncrement(&references_)); }

ULONG Connect::Release() noexcept {
  const LONG left = ::InterlockedDecrement(&references_);
  if (left == 0) delete this;
  return static_cast<ULONG>(left);
}

void ConnectDispatch::LoadTypeInfo() {
  if (typeInfo_) return;
  // From this library's own resources: works before registration and never picks up another
  // version's type library.
  Microsoft::WRL::ComPtr<ITypeLib> library;
  CheckHResult(::LoadTypeLibEx(ThisModulePath().c_str(), REGKIND_NONE, &library), "loading the type library");
  CheckHResult(library->GetTypeInfoOfGuid(__uuidof(_Connect), &typeInfo_), "reading the type information");
}

HRESULT ConnectDispatch::GetTypeInfoCount(UINT* count) noexcept {
  return ComBoundary(__uuidof(_Connect), [&] {
    if (count == nullptr) return E_POINTER;
    *count = 1;
    return S_OK;
  });
}

HRESULT ConnectDispatch::GetTypeInfo(UINT index, LCID, ITypeInfo** info) noexcept {
  return ComBoundary(__uuidof(_Connect), [&] {
    if (info == nullptr) return E_POINTER;
    *info = nullptr;
    if (index != 0) return DISP_E_BADINDEX;
    LoadTypeInfo();
    return typeInfo_.CopyTo(info);
  });
}

HRESULT ConnectDispatch::GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID, DISPID* ids) noexcept {
  return ComBoundary(__uuidof(_Connect), [&] {
    if (iid != IID_NULL) return DISP_E_UNKNOWNINTERFACE;
    LoadTypeInfo();
    return ::DispGetIDsOfNames(typeInfo_.Get(), names, count, ids);
  });
}

HRESULT ConnectDispatch::Invoke(DISPID id, REFIID iid, LCID, WORD flags, DISPPARAMS* arguments, VARIANT* result,
                                EXCEPINFO* exception, UINT* argumentError) noexcept {
  return ComBoundary(__uuidof(_Connect), [&] {
    if (iid != IID_NULL) return DISP_E_UNKNOWNINTERFACE;
    LoadTypeInfo();
    // The type information describes _Connect: the call must go through that vtable.
    return ::DispInvoke(static_cast<_Connect*>(this), typeInfo_.Get(), id, flags, arguments, result, exception,
                        argumentError);
  });
}

HRESULT Connect::AssembleInto(BSTR* ribbonXml, REFIID iid) noexcept {
  return ComBoundary(iid, [&] {
    if (ribbonXml == nullptr) return E_POINTER;
    *ribbonXml = nullptr;
    std::optional<DispatchHostApplication> host;
    if (hostApplication_) host.emplace(hostApplication_.Get());
    const RegistrySettingsStore own;
    const RegistryPolicies policies;
    const RibbonDocument document =
        assembler_.GetRibbonXML(host ? &*host : nullptr, SettingsSnapshot(policies.Sources(), own));
    *ribbonXml = ToBstr(document.markup);
    documentLanguage_ = document.language;
    return S_OK;
  });
}

HRESULT Connect::IRibbonExtensibility_GetCustomUI(BSTR, BSTR* ribbonXml) noexcept {
  return AssembleInto(ribbonXml, __uuidof(_Connect));
}

HRESULT Connect::GetRibbonXML(BSTR* ribbonXml) noexcept { return AssembleInto(ribbonXml, __uuidof(_Connect)); }

HRESULT Connect::GetCustomUI(BSTR, BSTR* ribbonXml) noexcept {
  return AssembleInto(ribbonXml, __uuidof(IRibbonExtensibility));
}

// The control the host passes is never read.
// Both speak the language of the document whose buttons call them.
HRESULT Connect::ShowAbout0(IDispatch*) noexcept {
  return ComBoundary(__uuidof(_Connect), [&] {
    ShowAboutWindow(documentLanguage_);
    return S_OK;
  });
}

HRESULT Connect::Uninstall0(IDispatch*) noexcept {
  return ComBoundary(__uuidof(_Connect), [&] {
    ShowUninstallMessage(documentLanguage_);
    return S_OK;
  });
}

HRESULT Connect::Document0(IDispatch*) noexcept {
  return ComBoundary(__uuidof(_Connect), [&] {
    FlipDocumentMap(hostApplication_.Get());
    return S_OK;
  });
}

HRESULT Connect::OnConnection(IDispatch* application, ext_ConnectMode, IDispatch*, SAFEARRAY**) noexcept {
  return ComBoundary(__uuidof(IDTExtensibility2), [&] {
    // Keeps a reference until the host lets go of this object; a second connection releases the
    // first application object.
    hostApplication_ = application;
    return S_OK;
  });
}

HRESULT Connect::OnDisconnection(ext_DisconnectMode, SAFEARRAY**) noexcept {
  return ComBoundary(__uuidof(IDTExtensibility2), [] {
    // The host may unload the library once it lets go of the add-in: nothing of ours may stay
    // on screen or in its message loop.
    CloseAddinWindows();
    return S_OK;
  });
}

HRESULT Connect::OnAddInsUpdate(SAFEARRAY**) noexcept {
  return ComBoundary(__uuidof(IDTExtensibility2), [] { return S_OK; });
}
HRESULT Connect::OnStartupComplete(SAFEARRAY**) noexcept {
  return ComBoundary(__uuidof(IDTExtensibility2), [] { return S_OK; });
}
HRESULT Connect::OnBeginShutdown(SAFEARRAY**) noexcept {
  return ComBoundary(__uuidof(IDTExtensibility2), [] { return S_OK; });
}

HRESULT Connect::InterfaceSupportsErrorInfo(REFIID iid) noexcept {
  return ComBoundary(__uuidof(ISupportErrorInfo), [&] {
    return iid == __uuidof(_Connect) || iid == __uuidof(IRibbonExtensibility) || iid == __uuidof(IDTExtensibility2)
               ? S_OK
               : S_FALSE;
  });
}

HRESULT CreateConnect(REFIID iid, void** object) noexcept {
  if (object == nullptr) return E_POINTER;
  *object = nullptr;
  auto* connect = new (std::nothrow) Connect();
  if (connect == nullptr) return E_OUTOFMEMORY;
  HRESULT result = connect->QueryInterface(iid, object);
  connect->Release();
  return result;
}

}  // namespace quillmere
