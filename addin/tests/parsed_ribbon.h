#pragma once

#include <libxml/parser.h>
#include <libxml/xpath.h>
#include <libxml/xpathInternals.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace quillmere::testing_support {

// A ribbon document parsed by a real XML parser, queried with XPath in the customUI namespace
// under the prefix "r".
class ParsedRibbon {
 public:
  explicit ParsedRibbon(std::string_view text)
      : document_(xmlReadMemory(text.data(), static_cast<int>(text.size()), "ribbon.xml", "UTF-8",
                                XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING),
                  xmlFreeDoc) {}

  bool WellFormed() const { return document_ != nullptr; }

  // The values (attribute values or element names) that the expression selects, in order.
  std::vector<std::string> Select(const std::string& xpath) const {
    if (!document_) throw std::logic_error("document is not well-formed");
    std::unique_ptr<xmlXPathContext, decltype(&xmlXPathFreeContext)> context(xmlXPathNewContext(document_.get()),
                                                                             xmlXPathFreeContext);
    xmlXPathRegisterNs(context.get(), BAD_CAST "r", BAD_CAST "http://schemas.microsoft.com/office/2006/01/customui");
    std::unique_ptr<xmlXPathObject, decltype(&xmlXPathFreeObject)> result(
        xmlXPathEvalExpression(BAD_CAST xpath.c_str(), context.get()), xmlXPathFreeObject);
    if (!result) throw std::invalid_argument("bad XPath: " + xpath);
    std::vector<std::string> values;
    if (result->nodesetval == nullptr) return values;
    for (int i = 0; i < result->nodesetval->nodeNr; ++i) {
      xmlNode* node = result->nodesetval->nodeTab[i];
      if (node->type == XML_ATTRIBUTE_NODE) {
        std::unique_ptr<xmlChar, decltype(xmlFree)> content(xmlNodeGetContent(node), xmlFree);
        values.emplace_back(reinterpret_cast<const char*>(content.get()));
      } else {
        values.emplace_back(reinterpret_cast<const char*>(node->name));
      }
    }
    return values;
  }

  std::size_t Count(const std::string& xpath) const { return Select(xpath).size(); }

 private:
  std::unique_ptr<xmlDoc, decltype(&xmlFreeDoc)> document_;
};

}  // namespace quillmere::testing_support
