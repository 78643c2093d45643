#pragma once

#include <windows.h>

#include <wrl/client.h>

#include "addin/office_dispatch_win.h"
#include "addin/ribbon_assembler.h"
#include "tessivar_h.h"

namespace quillmere {

// IDispatch of _Connect, from the embedded type library: every public method by name, as the
// host calls the ribbon callbacks.
class ConnectDispatch : public _Connect {
 public:
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) noexcept final;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) noexcept final;
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale,
                                          DISPID* ids) noexcept final;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID locale, WORD flags, DISPPARAMS* arguments,
                                   VARIANT* result, EXCEPINFO* exception, UINT* argumentError) noexcept final;

 protected:
  ~ConnectDispatch() = default;

 private:
  void LoadTypeInfo();
  Microsoft::WRL::ComPtr<ITypeInfo> typeInfo_;  // _Connect's, loaded on first use
};

// The add-in class behind the ProgID Halverin.Connect. PowerPoint creates one, connects it to
// its application object through IDTExtensibility2, asks IRibbonExtensibility for the ribbon
// document and calls the ribbon callbacks by name through IDispatch (QueryInterface hands out
// _Connect's). Each dual interface answers IDispatch calls for its own members.
class Connect final : public ConnectDispatch,
                      public RibbonExtensibilityDispatch,
                      public ExtensibilityDispatch,
                      public ISupportErrorInfo {
 public:
  Connect() noexcept;
  Connect(const Connect&) = delete;
  Connect& operator=(const Connect&) = delete;

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) noexcept override;
  ULONG STDMETHODCALLTYPE AddRef() noexcept override;
  ULONG STDMETHODCALLTYPE Release() noexcept override;

  // _Connect
  HRESULT STDMETHODCALLTYPE IRibbonExtensibility_GetCustomUI(BSTR ribbonId, BSTR* ribbonXml) noexcept override;
  HRESULT STDMETHODCALLTYPE GetRibbonXML(BSTR* ribbonXml) noexcept override;
  HRESULT STDMETHODCALLTYPE ShowAbout0(IDispatch* control) noexcept override;
  HRESULT STDMETHODCALLTYPE Uninstall0(IDispatch* control) noexcept override;
  HRESULT STDMETHODCALLTYPE Document0(IDispatch* control) noexcept override;

  // IRibbonExtensibility
  HRESULT STDMETHODCALLTYPE GetCustomUI(BSTR ribbonId, BSTR* ribbonXml) noexcept override;

  // IDTExtensibility2: the connection keeps the application; disconnection closes our windows.
  HRESULT STDMETHODCALLTYPE OnConnection(IDispatch* application, ext_ConnectMode mode, IDispatch* addInInstance,
                                         SAFEARRAY** custom) noexcept override;
  HRESULT STDMETHODCALLTYPE OnDisconnection(ext_DisconnectMode mode, SAFEARRAY** custom) noexcept override;
  HRESULT STDMETHODCALLTYPE OnAddInsUpdate(SAFEARRAY** custom) noexcept override;
  HRESULT STDMETHODCALLTYPE OnStartupComplete(SAFEARRAY** custom) noexcept override;
  HRESULT STDMETHODCALLTYPE OnBeginShutdown(SAFEARRAY** custom) noexcept override;

  // ISupportErrorInfo
  HRESULT STDMETHODCALLTYPE InterfaceSupportsErrorInfo(REFIID iid) noexcept override;

 private:
  ~Connect();
  HRESULT AssembleInto(BSTR* ribbonXml, REFIID iid) noexcept;

  LONG references_ = 1;
  Microsoft::WRL::ComPtr<IDispatch> hostApplication_;  // the host's application object, once connected
  RibbonAssembler assembler_;
  UiLanguage documentLanguage_ = UiLanguage::English;  // of the latest document, for its buttons' windows
};

// A new Connect object, handed out as `iid`.
HRESULT CreateConnect(REFIID iid, void** object) noexcept;

}  // namespace quillmere
