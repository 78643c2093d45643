#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>

namespace quillmere {

// The host could not answer (no such member, or the call failed).
class HostError : public std::runtime_error {
 public:
  explicit HostError(const std::string& what, long status = 0) : std::runtime_error(what), status_(status) {}
  // The host's own failure code where it gave one (an HRESULT on Windows), else 0.
  long Status() const { return status_; }

 private:
  long status_;
};

// What the add-in needs from the application that loaded it. On Windows this is PowerPoint's
// application object reached by late binding; elsewhere a stand-in.
class HostApplication {
 public:
  virtual ~HostApplication() = default;

  // The application's Name property. Throws HostError when the host cannot answer.
  virtual std::string Name() const = 0;

  // The application's Version property ("12.0" for PowerPoint 2007, "16.0" for 2016 and later),
  // or nothing when the host cannot say. Never throws HostError: a host that does not answer is
  // taken for the version the catalogue was made for.
  virtual std::optional<std::string> Version() const { return std::nullopt; }

  // The language id of the application's user interface (LanguageSettings.LanguageID of
  // msoLanguageIDUI), or nothing when the host cannot say. Never throws HostError: such a host
  // gets the English document.
  virtual std::optional<std::uint32_t> UiLanguageId() const { return std::nullopt; }
};

// A host whose answers are fixed when it is made: the ribbon-xml tool's, the tests' and the
// fuzzer's. Without a name, asking for it fails as with a host that has no Name member.
class FixedHost final : public HostApplication {
 public:
  static constexpr long kNoNameStatus = static_cast<std::int32_t>(0x80020006);  // DISP_E_UNKNOWNNAME

  explicit FixedHost(std::optional<std::string> name = "Microsoft Office PowerPoint",
                     std::optional<std::string> version = std::nullopt,
                     std::optional<std::uint32_t> uiLanguageId = std::nullopt)
      : name_(std::move(name)), version_(std::move(version)), uiLanguageId_(uiLanguageId) {}

  std::string Name() const override {
    if (!name_) throw HostError("Name is not a member of this object", kNoNameStatus);
    return *name_;
  }
  std::optional<std::string> Version() const override { return version_; }
  std::optional<std::uint32_t> UiLanguageId() const override { return uiLanguageId_; }

 private:
  std::optional<std::string> name_;
  std::optional<std::string> version_;
  std::optional<std::uint32_t> uiLanguageId_;
};

}  // namespace quillmere
