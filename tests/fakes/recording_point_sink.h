#pragma once

#include <ostream>
#include <vector>

#include "formats/map_point.h"

namespace pinmover {

inline bool operator==(const MapPoint& a, const MapPoint& b) {
  return a.name == b.name && a.latitude == b.latitude && a.longitude == b.longitude &&
         a.line == b.line && a.link == b.link && a.address == b.address;
}
inline bool operator==(const SkippedItem& a, const SkippedItem& b) {
  return a.reason == b.reason && a.line == b.line && a.name == b.name && a.detail == b.detail;
}
inline void PrintTo(const MapPoint& point, std::ostream* out) {
  *out << "{\"" << point.name << "\", " << point.latitude << ", " << point.longitude << ", line "
       << point.line << ", link \"" << point.link << "\", address \"" << point.address << "\"}";
}
inline void PrintTo(const SkippedItem& item, std::ostream* out) {
  const char* reasons[] = {"no point", "unreadable", "no position"};
  *out << "{" << reasons[static_cast<int>(item.reason)] << ", line " << item.line << ", \""
       << item.name << "\", \"" << item.detail << "\"}";
}

namespace testing {

// Keeps everything a reader delivers, in order.
class RecordingPointSink : public PointSink {
 public:
  std::vector<MapPoint> points;
  std::vector<UnitPoint> unitPoints;
  std::vector<SkippedItem> skipped;

  void Add(const MapPoint& point) override { points.push_back(point); }
  void Add(const UnitPoint& point) override { unitPoints.push_back(point); }
  void Skip(const SkippedItem& item) override { skipped.push_back(item); }
};

}  // namespace testing
}  // namespace pinmover
