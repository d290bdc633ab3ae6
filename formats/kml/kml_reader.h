#pragma once

#include <string>

#include "formats/map_point.h"
#include "formats/read_result.h"
#include "platform/file_system.h"

namespace pinmover {

// KML 2.2: every placemark that has a point (the first point of a multi-geometry), at any depth
// of documents and folders, in document order. Placemarks without a point are passed over.
ReadResult ReadKml(FileSystem& files, const std::string& path, PointSink& sink);
// The same, from a document already open: the KML inside a KMZ.
ReadResult ReadKmlDocument(InputFile& file, PointSink& sink);

}  // namespace pinmover
