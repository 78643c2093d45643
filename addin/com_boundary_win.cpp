#include "addin/com_boundary_win.h"

#include <new>
#include <string>

#include <wrl/client.h>

#include "addin/assembly_error.h"
#include "addin/failure_report.h"
#include "addin/host_application.h"
#include "common/settings_store.h"
#include "common/utf16_text.h"

namespace quillmere {
namespace {

constexpr wchar_t kErrorSource[] = L"Halverin.Connect";

HRESULT Describe(HRESULT status, const char* description, REFIID iid) noexcept {
  try {
    auto text = Utf8ToUtf16(description);
    if (!text) return status;
    // The text is neither changed nor freed before the call returns.
    // NOLINTNEXTLINE(clang-analyzer-cplusplus.InnerPointer)
    return SetErrorInfoFor(status, std::wstring_view(reinterpret_cast<const wchar_t*>(text->data()), text->size()),
                           iid);
  } catch (...) {
    return status;
  }
}

}  // namespace

HRESULT SetErrorInfoFor(HRESULT status, std::wstring_view description, REFIID iid) noexcept {
  Microsoft::WRL::ComPtr<ICreateErrorInfo> create;
  if (FAILED(::CreateErrorInfo(&create))) return status;
  BSTR text = ::SysAllocStringLen(description.data(), static_cast<UINT>(description.size()));
  if (text == nullptr) return status;
  create->SetGUID(iid);
  create->SetSource(const_cast<LPOLESTR>(kErrorSource));
  create->SetDescription(text);
  ::SysFreeString(text);
  Microsoft::WRL::ComPtr<IErrorInfo> info;
  if (SUCCEEDED(create.As(&info))) ::SetErrorInfo(0, info.Get());
  return status;
}

HRESULT CurrentExceptionToHResult(REFIID iid) noexcept {
  try {
    throw;
  } catch (const AssemblyError& error) {
    FailureReport report = ReportFor(error);
    return Describe(static_cast<HRESULT>(report.status), report.description.c_str(), iid);
  } catch (const SettingsStoreError& error) {
    return Describe(static_cast<HRESULT>(status::kCannotRead), error.what(), iid);
  } catch (const HostError& error) {
    return Describe(error.Status() < 0 ? static_cast<HRESULT>(error.Status()) : E_FAIL, error.what(), iid);
  } catch (const std::bad_alloc&) {
    return E_OUTOFMEMORY;
  } catch (const std::exception& error) {
    return Describe(E_FAIL, error.what(), iid);
  } catch (...) {
    return E_FAIL;
  }
}

}  // namespace quillmere
