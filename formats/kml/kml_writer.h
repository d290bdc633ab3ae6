#pragma once

#include <span>
#include <string>

#include "formats/exported_point.h"

namespace pinmover {

// A KML 2.2 document (UTF-8) with one placemark per point, in order.
std::string KmlDocument(std::span<const ExportedPoint> points);

}  // namespace pinmover
