#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace quillmere {

inline constexpr std::string_view kErrorTitle = "Application Error";

// A step of a window handler failed; what() is the description the error message shows.
class StepFailure : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The text of the message box shown when step `step` of the handler `handler` failed.
std::string ErrorMessageText(std::string_view description, std::string_view handler, int step);

}  // namespace quillmere
