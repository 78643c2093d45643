#include "addin/com_boundary_win.h"

#include <new>
#include <string>

#include <wrl/client.h>

#include "addin/assembly_error.h"
#include "addin/failure_report.h"
#include "addin/host_application.h"
#include "common/registration_table.h"
#include "common/settings_store.h"
#include "common/unique_handle_win.h"
#include "common/utf16_text.h"
#include "common/windows_error_win.h"

namespace quillmere {
namespace {

// Errors name the add-in by its ProgID.
constexpr auto kErrorSource = Widened(kConnectProgId);

struct Failure {
  HRESULT status;
  const char* description;  // UTF-8, owned by the exception; null when there is nothing to say
};

// Reads the exception being handled without copying anything out of it.
Failure CurrentFailure() noexcept {
  try {
    throw;
  } catch (const AssemblyError& error) {
    return {static_cast<HRESULT>(StatusFor(error)), error.what()};
  } catch (const SettingsStoreError& error) {
    return {static_cast<HRESULT>(status::kCannotRead), error.what()};
  } catch (const HostError& error) {
    return {error.Status() < 0 ? static_cast<HRESULT>(error.Status()) : E_FAIL, error.what()};
  } catch (const WindowsError& error) {
    // Described by the system's text for the code, as such failures always were.
    return {FAILED(error.Status()) ? error.Status() : E_FAIL, error.SystemText()};
  } catch (const std::bad_alloc&) {
    return {E_OUTOFMEMORY, nullptr};
  } catch (const std::exception& error) {
    return {E_FAIL, error.what()};
  } catch (...) {
    return {E_FAIL, nullptr};
  }
}

// The text goes straight into a BSTR: no C++ allocation, so nothing here can throw.
void Describe(HRESULT status, const char* utf8, REFIID iid) noexcept {
  if (utf8 == nullptr) return;
  const std::string_view text(utf8);
  const std::size_t length = Utf16Length(text);
  UniqueBstr description(::SysAllocStringLen(nullptr, static_cast<UINT>(length)));
  if (!description) return;
  Utf8ToWide(text, description.get());
  SetErrorInfoFor(status, std::wstring_view(description.get(), length), iid);
}

}  // namespace

HRESULT SetErrorInfoFor(HRESULT status, std::wstring_view description, REFIID iid) noexcept {
  Microsoft::WRL::ComPtr<ICreateErrorInfo> create;
  if (FAILED(::CreateErrorInfo(&create))) return status;
  UniqueBstr text(::SysAllocStringLen(description.data(), static_cast<UINT>(description.size())));
  if (!text) return status;
  create->SetGUID(iid);
  create->SetSource(const_cast<LPOLESTR>(kErrorSource.c_str()));
  create->SetDescription(text.get());
  Microsoft::WRL::ComPtr<IErrorInfo> info;
  if (SUCCEEDED(create.As(&info))) ::SetErrorInfo(0, info.Get());
  return status;
}

HRESULT CurrentExceptionToHResult(REFIID iid) noexcept {
  const Failure failure = CurrentFailure();
  Describe(failure.status, failure.description, iid);
  return failure.status;
}

}  // namespace quillmere
