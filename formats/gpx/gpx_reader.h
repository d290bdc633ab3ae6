#pragma once

#include <string>

#include "formats/map_point.h"
#include "formats/read_result.h"
#include "platform/file_system.h"

namespace pinmover {

// GPX 1.0 and 1.1: every waypoint, in document order. Route and track points are ways, not
// places, and are only counted.
ReadResult ReadGpx(FileSystem& files, const std::string& path, PointSink& sink);

}  // namespace pinmover
