#pragma once

#include "formats/point_format.h"
#include "platform/file_system.h"

namespace pinmover {

// GPX 1.0 and 1.1: every waypoint, in document order. Route and track points are ways, not
// places, and are only counted.
class GpxFormat : public PointFormat {
 public:
  explicit GpxFormat(FileSystem& files) : files_(files) {}
  ReadResult Read(const std::string& path, PointSink& sink) override;

 private:
  FileSystem& files_;
};

}  // namespace pinmover
