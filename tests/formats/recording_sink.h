#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "formats/map_point.h"

namespace pinmover::testing {

// Every point and skipped item a reader delivers, one readable line each.
class RecordingSink : public PointSink {
 public:
  std::vector<std::string> events;

  void Add(const MapPoint& point) override {
    char position[64];
    std::snprintf(position, sizeof position, "%.6f %.6f", point.latitude, point.longitude);
    events.push_back("point " + point.name + " " + position);
  }
  void Add(const UnitPoint& point) override {
    events.push_back("unit " + point.name + " " + std::to_string(point.latitudeUnits) + " " +
                     std::to_string(point.longitudeUnits));
  }
  void Skip(const SkippedItem& item) override {
    events.push_back(std::string(item.reason == SkipReason::NoPointGeometry ? "no point "
                                                                            : "unreadable ") +
                     item.name);
  }
};

}  // namespace pinmover::testing
