#pragma once

#include <string>

#include "formats/map_point.h"
#include "formats/read_result.h"
#include "platform/file_system.h"

namespace pinmover {

// GeoJSON (RFC 7946) as map apps export it: a FeatureCollection or a single Feature, points as
// [longitude, latitude(, altitude)], the name in the feature's properties. Read as a stream.
ReadResult ReadGeoJson(FileSystem& files, const std::string& path, PointSink& sink);

}  // namespace pinmover
