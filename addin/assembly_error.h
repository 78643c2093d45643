#pragma once

#include <stdexcept>
#include <string>
#include <utility>

namespace quillmere {

// Why the ribbon document could not be assembled. Nothing is returned to the host then.
class AssemblyError : public std::runtime_error {
 public:
  enum class Reason {
    NoHost,       // no application object is connected
    HostFailed,   // the application did not answer its Name
    NotANumber,   // a stored setting is not a number
    StoreFailed,  // the settings store could not be read
    Overflow,     // an id counter, or the sum of the hidden-tab settings, would pass 32 bits
  };

  AssemblyError(Reason reason, const std::string& message, std::string key = {}, std::string storedText = {},
                long hostStatus = 0)
      : std::runtime_error(message),
        reason_(reason),
        key_(std::move(key)),
        storedText_(std::move(storedText)),
        hostStatus_(hostStatus) {}

  Reason GetReason() const { return reason_; }
  // The setting concerned (NotANumber, StoreFailed, and a sum of per-tab values that overflows).
  const std::string& Key() const { return key_; }
  const std::string& StoredText() const { return storedText_; }
  // The host's failure code for HostFailed, where it gave one.
  long HostStatus() const { return hostStatus_; }

 private:
  Reason reason_;
  std::string key_;
  std::string storedText_;
  long hostStatus_;
};

}  // namespace quillmere
