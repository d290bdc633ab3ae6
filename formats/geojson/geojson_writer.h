#pragma once

#include <span>
#include <string>

#include "formats/exported_point.h"

namespace pinmover {

// A GeoJSON FeatureCollection (UTF-8, no byte order mark) with one Point feature per point, in
// order.
std::string GeoJsonDocument(std::span<const ExportedPoint> points);

}  // namespace pinmover
