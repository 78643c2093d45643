#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

#include "common/texts/ui_language.h"

namespace quillmere {

// A step of a window handler failed; what() is the description the error message shows.
class StepFailure : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The text of the message box shown when step `step` of the handler `handler` failed. The
// description and the place in the code stay as they are; the rest is in that language.
std::string ErrorMessageText(std::string_view description, std::string_view handler, int step,
                             UiLanguage language = UiLanguage::English);

}  // namespace quillmere
