#pragma once

#include <string>
#include <vector>

#include "engine/conversion_settings.h"
#include "formats/exported_point.h"
#include "problem/problem.h"
#include "unitfile/point_file_inspection.h"

namespace pinmover {

struct ExportedPoints {
  std::vector<ExportedPoint> points;
  std::vector<Problem> problems;
};

// The points of an inspected file as a map app keeps them: UTF-8 names and WGS84 coordinates,
// moved out of the Tokyo datum when datum says the file is in it. A name unit that is no
// character the unit can show becomes U+FFFD; a point whose coordinates lie beyond any place is
// left out. Each is a problem.
ExportedPoints ExportPoints(const PointFileInspection& file, Datum datum);

}  // namespace pinmover
