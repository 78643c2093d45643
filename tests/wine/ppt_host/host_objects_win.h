#pragma once

// The automation objects the PowerPoint stand-in hands to add-ins: an Application with Name,
// Version, LanguageSettings and ActiveWindow, a window with DocumentMap, and the IRibbonControl passed to callbacks.
// Each counts its references so the host can tell whether an add-in let go of them.

#include <windows.h>
#include <oaidl.h>

#include <optional>
#include <string>

#include "tessivar_h.h"

namespace quillmere::test {

// IDispatch by a fixed list of names, with reference counting.
class NamedDispatch : public IDispatch {
 public:
  NamedDispatch() = default;
  NamedDispatch(const NamedDispatch&) = delete;
  NamedDispatch& operator=(const NamedDispatch&) = delete;
  virtual ~NamedDispatch() = default;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) noexcept override;
  ULONG STDMETHODCALLTYPE AddRef() noexcept override;
  ULONG STDMETHODCALLTYPE Release() noexcept override;
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) noexcept override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) noexcept override;
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID, DISPID* ids) noexcept override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID, WORD flags, DISPPARAMS* arguments, VARIANT* result,
                                   EXCEPINFO*, UINT*) noexcept override;

  // References held by others than the one the creator keeps.
  LONG ForeignReferences() const { return references_ - 1; }

 protected:
  // The member's DISPID, or DISPID_UNKNOWN when the object has no such member.
  virtual DISPID MemberId(std::wstring_view name) const = 0;
  virtual HRESULT Call(DISPID id, WORD flags, DISPPARAMS& arguments, VARIANT* result) = 0;
  virtual bool Implements(REFIID) const { return false; }
  // A member's own failure, reported as automation objects do: DISP_E_EXCEPTION, with the code
  // in the caller's exception record.
  HRESULT Raise(HRESULT status) {
    raised_ = status;
    return DISP_E_EXCEPTION;
  }

 private:
  LONG references_ = 1;
  HRESULT raised_ = S_OK;
};

class HostWindow final : public NamedDispatch {
 public:
  explicit HostWindow(bool documentMap) : documentMap_(documentMap) {}
  bool DocumentMap() const { return documentMap_; }
  int Writes() const { return writes_; }
  // From now on DocumentMap fails with `status`, raised through the exception record.
  void FailDocumentMap(HRESULT status) { failure_ = status; }

 protected:
  DISPID MemberId(std::wstring_view name) const override;
  HRESULT Call(DISPID id, WORD flags, DISPPARAMS& arguments, VARIANT* result) override;

 private:
  bool documentMap_;
  int writes_ = 0;
  HRESULT failure_ = S_OK;
};

// What the application's Version answers: its text, or with no text no member at all, or a
// failing call.
struct HostVersion {
  std::optional<std::wstring> text = L"12.0";
  bool fails = false;
};

// What the application's LanguageSettings answers: with no user-interface language there is no
// LanguageSettings member at all; `fails` makes its LanguageID fail.
struct HostLanguage {
  std::optional<LCID> ui;
  bool fails = false;
};

// LanguageSettings: LanguageID(which) for msoLanguageIDUI (2) is the user-interface language;
// every other kind is the installation's, English.
class LanguageSettingsObject final : public NamedDispatch {
 public:
  explicit LanguageSettingsObject(HostLanguage language) : language_(language) {}

 protected:
  DISPID MemberId(std::wstring_view name) const override;
  HRESULT Call(DISPID id, WORD flags, DISPPARAMS& arguments, VARIANT* result) override;

 private:
  HostLanguage language_;
};

class HostApplicationObject final : public NamedDispatch {
 public:
  // Without a name the object has no Name member at all; without a window, ActiveWindow fails.
  HostApplicationObject(std::optional<std::wstring> name, HostWindow* window, HostVersion version = {},
                        HostLanguage language = {})
      : name_(std::move(name)),
        window_(window),
        version_(std::move(version)),
        languageSettings_(language),
        hasLanguageSettings_(language.ui || language.fails) {}

  LONG LanguageSettingsReferences() const { return languageSettings_.ForeignReferences(); }

 protected:
  DISPID MemberId(std::wstring_view name) const override;
  HRESULT Call(DISPID id, WORD flags, DISPPARAMS& arguments, VARIANT* result) override;

 private:
  std::optional<std::wstring> name_;
  HostWindow* window_;
  HostVersion version_;
  LanguageSettingsObject languageSettings_;
  bool hasLanguageSettings_;
};

class RibbonControl final : public NamedDispatch, public IRibbonControl {
 public:
  explicit RibbonControl(std::wstring id) : id_(std::move(id)) {}

  // IUnknown and IDispatch come from NamedDispatch for both bases.
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) noexcept override;
  ULONG STDMETHODCALLTYPE AddRef() noexcept override { return NamedDispatch::AddRef(); }
  ULONG STDMETHODCALLTYPE Release() noexcept override { return NamedDispatch::Release(); }
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) noexcept override {
    return NamedDispatch::GetTypeInfoCount(count);
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) noexcept override {
    return NamedDispatch::GetTypeInfo(index, locale, info);
  }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale,
                                          DISPID* ids) noexcept override {
    return NamedDispatch::GetIDsOfNames(iid, names, count, locale, ids);
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID locale, WORD flags, DISPPARAMS* arguments,
                                   VARIANT* result, EXCEPINFO* exception, UINT* argumentError) noexcept override {
    return NamedDispatch::Invoke(id, iid, locale, flags, arguments, result, exception, argumentError);
  }

  HRESULT STDMETHODCALLTYPE get_Id(BSTR* id) noexcept override;
  HRESULT STDMETHODCALLTYPE get_Context(IDispatch** context) noexcept override;
  HRESULT STDMETHODCALLTYPE get_Tag(BSTR* tag) noexcept override;

 protected:
  DISPID MemberId(std::wstring_view name) const override;
  HRESULT Call(DISPID id, WORD flags, DISPPARAMS& arguments, VARIANT* result) override;

 private:
  std::wstring id_;
};

// The add-in's About windows this thread still has.
int AboutWindowCount();

}  // namespace quillmere::test
