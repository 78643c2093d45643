#pragma once

#include <string>
#include <string_view>

namespace quillmere {

// The text as it may stand in an XML element or a double-quoted attribute: & < > and " become
// entities, everything else stays as it is (the package sources and templates are UTF-8).
std::string EscapeXml(std::string_view text);

}  // namespace quillmere
