#include "platform/xml_reader.h"
namespace pinmover { std::optional<XmlError> ParseXml(InputFile&, XmlHandler&) { return std::nullopt; } }
