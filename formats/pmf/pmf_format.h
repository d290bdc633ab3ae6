#pragma once

#include <string>

#include "formats/map_point.h"
#include "formats/pmf/point_list_reader.h"
#include "formats/read_result.h"
#include "platform/file_system.h"

namespace pinmover {

inline constexpr std::string_view pointListExtension = "pmf";

// A list made for the unit: its points pass as the reader gives them, in the unit's datum.
ReadResult ReadPointList(PointListReader& reader, FileSystem& files, const std::string& path,
                         PointSink& sink);

}  // namespace pinmover
