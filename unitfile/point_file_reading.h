#pragma once

#include <optional>
#include <string>

#include "platform/file_system.h"
#include "problem/problem.h"
#include "unitfile/point_file_inspection.h"

namespace pinmover {

struct PointFileReading {
  std::optional<Problem> failure;  // the file could not be opened or read
  PointFileInspection file;
};

// Reads a point file as a navigation unit would (at most one image's bytes) and inspects it.
PointFileReading ReadPointFile(FileSystem& files, const std::string& path);

}  // namespace pinmover
