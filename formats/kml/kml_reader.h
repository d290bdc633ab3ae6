#pragma once

#include "formats/point_format.h"
#include "platform/file_system.h"

namespace pinmover {

// KML 2.2: every placemark that has a point (the first point of a multi-geometry), at any depth
// of documents and folders, in document order. Placemarks without a point are passed over.
class KmlFormat : public PointFormat {
 public:
  explicit KmlFormat(FileSystem& files) : files_(files) {}
  ReadResult Read(const std::string& path, PointSink& sink) override;

 private:
  FileSystem& files_;
};

}  // namespace pinmover
