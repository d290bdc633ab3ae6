#pragma once

#include <string>

#include "formats/map_point.h"
#include "formats/read_result.h"
#include "platform/file_system.h"

namespace pinmover {

// A spreadsheet's points: a header row names the columns (name, latitude, longitude in any
// order), each row after it is a point in decimal degrees. The file is UTF-8 when it is valid
// UTF-8 throughout (a byte order mark settles it at once), otherwise code page 932, which a
// Japanese spreadsheet saves. The file is read twice: once for its encoding, once for points.
ReadResult ReadCsv(FileSystem& files, const std::string& path, PointSink& sink);

}  // namespace pinmover
