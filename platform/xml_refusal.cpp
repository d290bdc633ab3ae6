#include "platform/xml_refusal.h"

#include <string>

namespace pinmover {

XmlError DocumentTypeRefusal(std::uint64_t line, std::uint64_t column) {
  return {line, column,
          "document type declaration (DOCTYPE): not read, since it can define entities and "
          "name other files",
          true};
}

XmlError NestingRefusal(std::uint64_t line, std::uint64_t column) {
  return {line, column, "elements nested more than " + std::to_string(maxXmlDepth) + " levels deep",
          true};
}

}  // namespace pinmover
