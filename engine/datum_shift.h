#pragma once

#include <cstdint>

namespace pinmover {

struct GeodeticPosition {
  double latitude;   // degrees north
  double longitude;  // degrees east
};

// The national survey's three-parameter translation between the Tokyo datum and JGD2000, for
// points on the ground (height 0 on the source ellipsoid). It is good to a few metres only, and
// JGD2000 stands in for WGS84, which lies closer to it than that.
GeodeticPosition Wgs84ToTokyo(GeodeticPosition wgs84);
GeodeticPosition TokyoToWgs84(GeodeticPosition tokyo);

// Degrees as the point file's nearest count of 1/2048 arc-second, halves away from zero, so
// that west and south mirror east and north. Values beyond the 32-bit range saturate (no angle
// in ±180 comes near it); not-a-number gives 0.
std::int32_t DegreesToUnits(double degrees);
double UnitsToDegrees(std::int32_t units);

}  // namespace pinmover
