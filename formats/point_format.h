#pragma once

#include <string>

#include "formats/map_point.h"
#include "formats/read_failure.h"

namespace pinmover {

// One file format that points can be read from. Readers show nothing to the user: they deliver
// points and skipped items to the sink and return what stopped them. A file error met after the
// file was opened is raised as FileError, as everywhere else.
class PointFormat {
 public:
  virtual ~PointFormat() = default;
  // path is Shift-JIS, as the file system takes it.
  virtual ReadResult Read(const std::string& path, PointSink& sink) = 0;
};

}  // namespace pinmover
