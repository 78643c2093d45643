// Module plumbing of Tessivar.dll: DllMain, the class factory and the four exports.

#include "addin/module_win.h"

#include <new>

#include "addin/com_boundary_win.h"
#include "addin/connect_win.h"
#include "addin/registration_win.h"
#include "addin/ribbon_callbacks_win.h"
#include "common/window_helpers_win.h"
#include "common/windows_error_win.h"

namespace quillmere {
namespace {

HMODULE module = nullptr;
LONG objects = 0;
LONG locks = 0;

class ClassFactory final : public IClassFactory {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) noexcept override {
    if (object == nullptr) return E_POINTER;
    if (iid == __uuidof(IUnknown) || iid == __uuidof(IClassFactory)) {
      *object = static_cast<IClassFactory*>(this);
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  // The factory is static: it lives as long as the module, and LockServer keeps that alive.
  ULONG STDMETHODCALLTYPE AddRef() noexcept override { return 2; }
  ULONG STDMETHODCALLTYPE Release() noexcept override { return 1; }

  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** object) noexcept override {
    return ComBoundary(__uuidof(IClassFactory), [&] {
      if (object == nullptr) return E_POINTER;
      *object = nullptr;
      if (outer != nullptr) return CLASS_E_NOAGGREGATION;
      return CreateConnect(iid, object);
    });
  }

  HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) noexcept override {
    return ComBoundary(__uuidof(IClassFactory), [&] {
      if (lock) {
        ::InterlockedIncrement(&locks);
      } else {
        ::InterlockedDecrement(&locks);
      }
      return S_OK;
    });
  }
};

ClassFactory factory;

HRESULT GetClassObject(REFCLSID clsid, REFIID iid, void** object) noexcept {
  return ComBoundary(GUID_NULL, [&] {
    if (object == nullptr) return E_POINTER;
    *object = nullptr;
    if (clsid != __uuidof(::Connect)) return CLASS_E_CLASSNOTAVAILABLE;
    return factory.QueryInterface(iid, object);
  });
}

HRESULT CanUnloadNow() noexcept {
  return ComBoundary(GUID_NULL, [] {
    // An open About window runs code of this library: it must stay loaded while one is shown.
    return objects == 0 && locks == 0 && !AddinWindowsOpen() ? S_OK : S_FALSE;
  });
}

}  // namespace

std::wstring ThisModulePath() {
  std::wstring path = ModuleFilePath(module);
  // Without a last error the failure stays E_FAIL, as it always was.
  if (path.empty()) ThrowLastError("reading this library's path", kNoFallback);
  return path;
}

void AddObjectReference() noexcept { ::InterlockedIncrement(&objects); }
void ReleaseObjectReference() noexcept {
  // With the last object gone the host may unload the library at any time (COM does at
  // CoUninitialize, whatever DllCanUnloadNow says): our windows and hooks go first.
  if (::InterlockedDecrement(&objects) == 0) CloseAddinWindows();
}

}  // namespace quillmere

// The exports are declared by the system headers without noexcept; each hands over to a
// noexcept function at once.

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) {
    quillmere::module = instance;
    ::DisableThreadLibraryCalls(instance);
  }
  return TRUE;
}

STDAPI DllGetClassObject(REFCLSID clsid, REFIID iid, LPVOID* object) {
  return quillmere::GetClassObject(clsid, iid, object);
}

STDAPI DllCanUnloadNow() { return quillmere::CanUnloadNow(); }

STDAPI DllRegisterServer() {
  return quillmere::ComBoundary(GUID_NULL, [] {
    quillmere::RegisterAddin();
    return S_OK;
  });
}

STDAPI DllUnregisterServer() {
  return quillmere::ComBoundary(GUID_NULL, [] {
    quillmere::UnregisterAddin();
    return S_OK;
  });
}
