#include "formats/xml/xml_text.h"

namespace pinmover {

std::string XmlEscaped(std::string_view utf8) {
  std::string escaped;
  escaped.reserve(utf8.size());
  for (char c : utf8) {
    switch (c) {
      case '&':
        escaped += "&amp;";
        break;
      case '<':
        escaped += "&lt;";
        break;
      case '>':
        escaped += "&gt;";
        break;
      case '"':
        escaped += "&quot;";
        break;
      default:
        escaped += c;
    }
  }
  return escaped;
}

void AppendXmlElement(std::string& document, std::string_view indent, std::string_view name,
                      std::string_view utf8) {
  document.append(indent).append("<").append(name).append(">");
  document.append(XmlEscaped(utf8)).append("</").append(name).append(">\n");
}

}  // namespace pinmover
