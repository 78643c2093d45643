#pragma once

#include <optional>
#include <stdexcept>
#include <string>

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
};

}  // namespace quillmere
