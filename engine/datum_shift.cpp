#include "engine/datum_shift.h"

#include <cmath>
#include <limits>
#include <numbers>

#include "unitfile/point_file_layout.h"

namespace pinmover {

namespace {

constexpr double unitsPerDegree = 3600.0 * unitsPerArcSecond;
constexpr double radiansPerDegree = std::numbers::pi / 180.0;

struct Ellipsoid {
  double semiMajorAxis;  // metres
  double flattening;
  constexpr double EccentricitySquared() const { return flattening * (2.0 - flattening); }
};

constexpr Ellipsoid wgs84Ellipsoid{6378137.0, 1.0 / 298.257223563};
constexpr Ellipsoid bessel1841{6377397.155, 1.0 / 299.1528128};

struct Geocentric {
  double x, y, z;  // metres
};

constexpr Geocentric tokyoToJgd2000{-146.414, 507.337, 680.507};

Geocentric ToGeocentric(GeodeticPosition position, const Ellipsoid& ellipsoid) {
  const double latitude = position.latitude * radiansPerDegree;
  const double longitude = position.longitude * radiansPerDegree;
  const double e2 = ellipsoid.EccentricitySquared();
  const double sinLatitude = std::sin(latitude);
  const double primeVertical =
      ellipsoid.semiMajorAxis / std::sqrt(1.0 - e2 * sinLatitude * sinLatitude);
  const double equatorial = primeVertical * std::cos(latitude);
  return {equatorial * std::cos(longitude), equatorial * std::sin(longitude),
          primeVertical * (1.0 - e2) * sinLatitude};
}

GeodeticPosition ToGeodetic(Geocentric point, const Ellipsoid& ellipsoid) {
  const double e2 = ellipsoid.EccentricitySquared();
  const double distanceFromAxis = std::hypot(point.x, point.y);
  // Each step shrinks the error by about e2 (1/150); the start is already within the height
  // of a datum shift, so a few steps reach the limit of double precision, poles included.
  double latitude = std::atan2(point.z, distanceFromAxis * (1.0 - e2));
  for (int step = 0; step < 5; ++step) {
    const double sinLatitude = std::sin(latitude);
    const double primeVertical =
        ellipsoid.semiMajorAxis / std::sqrt(1.0 - e2 * sinLatitude * sinLatitude);
    latitude = std::atan2(point.z + e2 * primeVertical * sinLatitude, distanceFromAxis);
  }
  return {latitude / radiansPerDegree, std::atan2(point.y, point.x) / radiansPerDegree};
}

GeodeticPosition Translate(GeodeticPosition position, const Ellipsoid& from, const Ellipsoid& to,
                           double direction) {
  const Geocentric point = ToGeocentric(position, from);
  return ToGeodetic({point.x + direction * tokyoToJgd2000.x, point.y + direction * tokyoToJgd2000.y,
                     point.z + direction * tokyoToJgd2000.z},
                    to);
}

}  // namespace

GeodeticPosition Wgs84ToTokyo(GeodeticPosition wgs84) {
  return Translate(wgs84, wgs84Ellipsoid, bessel1841, -1.0);
}

GeodeticPosition TokyoToWgs84(GeodeticPosition tokyo) {
  return Translate(tokyo, bessel1841, wgs84Ellipsoid, 1.0);
}

std::int32_t DegreesToUnits(double degrees) {
  if (std::isnan(degrees)) return 0;
  constexpr double lowest = std::numeric_limits<std::int32_t>::min();
  constexpr double highest = std::numeric_limits<std::int32_t>::max();
  const double units = std::round(degrees * unitsPerDegree);
  if (units <= lowest) return std::numeric_limits<std::int32_t>::min();
  if (units >= highest) return std::numeric_limits<std::int32_t>::max();
  return static_cast<std::int32_t>(units);
}

double UnitsToDegrees(std::int32_t units) { return units / unitsPerDegree; }

}  // namespace pinmover
