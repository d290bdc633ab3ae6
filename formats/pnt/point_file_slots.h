#pragma once

#include <string>

#include "formats/map_point.h"
#include "formats/read_result.h"
#include "platform/file_system.h"

namespace pinmover {

// A point file's points as a unit reads them, each with its whole slot, to be written again as
// it stands. A file that holds anything a written one never has is refused whole, with all of
// it as the problem's causes: none of its slots can be trusted then.
ReadResult ReadPointFileSlots(FileSystem& files, const std::string& path, PointSink& sink);

}  // namespace pinmover
