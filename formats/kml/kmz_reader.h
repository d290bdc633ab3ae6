#pragma once

#include <string>

#include "formats/map_point.h"
#include "formats/read_result.h"
#include "platform/file_system.h"

namespace pinmover {

// KMZ, as My Maps and Google Earth save a map: a ZIP archive whose KML ("doc.kml", else the
// first ".kml" it lists) is read as KML is, inflated as a stream straight into the reader.
ReadResult ReadKmz(FileSystem& files, const std::string& path, PointSink& sink);

}  // namespace pinmover
