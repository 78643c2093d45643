#pragma once

// The texts the deliverables show, by id and language. The texts themselves, each written once
// with its translations beside it, are in product_texts.cpp.

#include <string_view>

#include "common/texts/text_ids.h"
#include "common/texts/ui_language.h"

namespace quillmere {

// The text in that language, UTF-8; empty for TextId::None.
std::string_view Text(TextId id, UiLanguage language);

}  // namespace quillmere
