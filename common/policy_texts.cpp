#include "common/product_texts.h"

#include "common/packed_texts.h"

// The Group Policy templates' texts, apart from the texts the deliverables show.

namespace quillmere {

namespace {

constexpr auto kPacked = Pack<CharactersOf(kPolicyTexts)>(kPolicyTexts);

}  // namespace

std::string_view Text(PolicyTextId id, UiLanguage language) { return PackedText(kPacked, id, language); }

}  // namespace quillmere
