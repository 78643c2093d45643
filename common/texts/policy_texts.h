#pragma once

// The texts of the Group Policy templates, by id and language; only the templates' generator
// links them (policy_texts.cpp).

#include <string_view>

#include "common/texts/text_ids.h"
#include "common/texts/ui_language.h"

namespace quillmere {

std::string_view Text(PolicyTextId id, UiLanguage language);

}  // namespace quillmere
