#pragma once

#include <cstdint>

#include "platform/xml_reader.h"

namespace pinmover {

// What is never read, worded alike whichever system's parser met it.
XmlError DocumentTypeRefusal(std::uint64_t line, std::uint64_t column);
XmlError NestingRefusal(std::uint64_t line, std::uint64_t column);

}  // namespace pinmover
