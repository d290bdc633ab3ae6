#pragma once

#include <span>
#include <string>

#include "formats/exported_point.h"

namespace pinmover {

// Where the fields GPX has no element for are kept, inside each waypoint's extensions.
inline constexpr const char* pointExtensionsNamespace =
    "https://pinmover.invalid/xmlschemas/point/1";

// A GPX 1.1 document (UTF-8) with one waypoint per point, in order.
std::string GpxDocument(std::span<const ExportedPoint> points);

}  // namespace pinmover
