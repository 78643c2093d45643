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

std::optional<std::uint32_t> DispatchHostApplication::UiLanguageId() const {
  constexpr LONG kMsoLanguageIdUi = 2;
  if (application_ == nullptr) return std::nullopt;
  UniqueVariant settingsValue;
  if (FAILED(TryGetProperty(application_, L"LanguageSettings", settingsValue))) return std::nullopt;
  UniqueVariant settings;
  if (FAILED(::VariantChangeType(settings.get(), settingsValue.get(), 0, VT_DISPATCH)) ||
      (*settings).pdispVal == nullptr) {
    return std::nullopt;
  }
  VARIANT which{};
  which.vt = VT_I4;
  which.lVal = kMsoLanguageIdUi;
  UniqueVariant idValue;
  if (FAILED(TryGetIndexedProperty((*settings).pdispVal, L"LanguageID", which, idValue))) return std::nullopt;
  UniqueVariant id;
  if (FAILED(::VariantChangeType(id.get(), idValue.get(), 0, VT_I4))) return std::nullopt;
  return static_cast<std::uint32_t>((*id).lVal);
}

}  // namespace quillmere
