#include "addin/host_application_win.h"

#include <oleauto.h>

#include <optional>

#include "addin/late_binding_win.h"
#include "common/unique_handle_win.h"
#include "common/utf16_text.h"

namespace quillmere {
namespace {

// Reads a text property by name; a failure comes back as the host's HRESULT in `failure`.
std::optional<std::string> TextProperty(IDispatch* application, const wchar_t* name, HRESULT& failure) {
  UniqueVariant value;
  failure = TryGetProperty(application, name, value);
  if (FAILED(failure)) return std::nullopt;

  UniqueVariant text;
  failure = ::VariantChangeType(text.get(), value.get(), 0, VT_BSTR);
  if (FAILED(failure)) return std::nullopt;
  const BSTR chars = (*text).bstrVal;
  return WideToUtf8(std::wstring_view(chars, ::SysStringLen(chars)));
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
