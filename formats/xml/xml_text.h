#pragma once

#include <string>
#include <string_view>

namespace pinmover {

// UTF-8 text made safe for XML character data and for attribute values in double quotes.
std::string XmlEscaped(std::string_view utf8);

// Appends one line holding an element with nothing but text in it.
void AppendXmlElement(std::string& document, std::string_view indent, std::string_view name,
                      std::string_view utf8);

}  // namespace pinmover
