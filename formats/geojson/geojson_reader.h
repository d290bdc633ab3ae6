#pragma once

#include <string>

#include "formats/point_format.h"
#include "platform/file_system.h"

namespace pinmover {

// GeoJSON (RFC 7946) as map apps export it: a FeatureCollection or a single Feature, points as
// [longitude, latitude(, altitude)], the name in the feature's properties. Read as a stream.
class GeoJsonFormat : public PointFormat {
 public:
  explicit GeoJsonFormat(FileSystem& files) : files_(files) {}
  ReadResult Read(const std::string& path, PointSink& sink) override;

 private:
  FileSystem& files_;
};

}  // namespace pinmover
