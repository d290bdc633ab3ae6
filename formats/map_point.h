#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "unitfile/slot_name.h"

namespace pinmover {

// A point as today's map apps keep it: a UTF-8 name and WGS84 decimal degrees.
struct MapPoint {
  std::string name;        // UTF-8, as the file holds it (possibly empty)
  double latitude = 0;     // degrees north, as read: not yet checked against its range
  double longitude = 0;    // degrees east
  std::uint64_t line = 0;  // where the point starts in its file, counted from 1; 0 if unknown
  // A map link the app keeps for the place, and its address, both UTF-8: what finds a place
  // that the app kept without a position (which it writes as 0, 0).
  std::string link{};
  std::string address{};
  // The unit's icon and voice for this point, as the file gives them (the fields export writes),
  // not yet checked: empty when the file gives none, and the run's own apply.
  std::string icon{};
  std::string voice{};
};

// A point in the form the navigation unit reads: a list's that was made for the unit, or a map
// point once the pipeline has made it one.
struct UnitPoint {
  SlotName name{};
  std::int32_t longitudeUnits = 0;  // 1/2048 arc-second
  std::int32_t latitudeUnits = 0;
  // The point's own icon and voice code; without them, the run's apply.
  std::optional<int> icon{};
  std::optional<std::uint16_t> voiceCode{};
  // The slot a point file held it in, written again as it stands. Shared, as a point is copied
  // on its way and most points have none.
  std::shared_ptr<const SlotBytes> record{};
};

// Why a reader passed over something in its file that looked like a point.
enum class SkipReason {
  NoPointGeometry,        // a placemark or feature with no point (a line, a polygon, nothing)
  UnreadableCoordinates,  // the coordinates are missing or are not numbers
  NoPosition,             // the app keeps the place without a position
};

struct SkippedItem {
  SkipReason reason = SkipReason::NoPointGeometry;
  std::uint64_t line = 0;  // counted from 1; 0 if the format cannot tell
  std::string name;        // UTF-8, empty if the item has none
  std::string detail{};    // UTF-8: what the file gives to find a place without a position
};

// Where a format reader delivers what it finds, in the file's order.
class PointSink {
 public:
  virtual ~PointSink() = default;
  virtual void Add(const MapPoint& point) = 0;
  virtual void Add(const UnitPoint& point) = 0;
  virtual void Skip(const SkippedItem& item) = 0;
};

}  // namespace pinmover
