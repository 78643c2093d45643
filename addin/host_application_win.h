#pragma once

#include <oaidl.h>

#include "addin/host_application.h"

namespace quillmere {

// The host's application object, reached by late binding as the host documents it: members are
// looked up by name, so any automation object with a Name property will do.
class DispatchHostApplication final : public HostApplication {
 public:
  // Does not take a reference: the add-in object holds the application for longer than this.
  explicit DispatchHostApplication(IDispatch* application) noexcept : application_(application) {}

  // Throws HostError with the host's HRESULT when it has no Name or cannot answer.
  std::string Name() const override;
  // Nothing when the host has no Version or cannot answer.
  std::optional<std::string> Version() const override;
  // LanguageSettings.LanguageID(msoLanguageIDUI); nothing when any step of it fails.
  std::optional<std::uint32_t> UiLanguageId() const override;

 private:
  IDispatch* application_;
};

}  // namespace quillmere
