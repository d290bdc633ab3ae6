#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>

#include "engine/datum_shift.h"
#include "formats/pmf/dms_text.h"

namespace pinmover {
namespace {

constexpr double unitDegrees = 1.0 / (3600.0 * 2048.0);

// Values PROJ 9.1 gives for the same translation (cs2cs, +towgs84=-146.414,507.337,680.507),
// so that the Windows build, which has no PROJ, checks the arithmetic too.
TEST(DatumShift, MatchesReferencePoints) {
  constexpr double tolerance = 1e-9;  // degrees, about 0.1 mm
  const struct {
    GeodeticPosition from, to;
    bool toTokyo;
  } cases[] = {
      {{35.658611, 139.745333}, {35.6553696931, 139.7485643776}, true},   // Tokyo Tower
      {{26.2124, 127.6809}, {26.2083718407, 127.6828437956}, true},       // Naha
      {{45.4156, 141.6731}, {45.4134555929, 141.6770250151}, true},       // Wakkanai
      {{35.6553696931, 139.7485643776}, {35.6586109814, 139.7453330185}, false},
      {{26.2124, 127.6809}, {26.2164277031, 127.6789563085}, false},
      {{45.4156, 141.6731}, {45.4177439793, 141.6691752614}, false},
  };
  for (const auto& c : cases) {
    const GeodeticPosition result = c.toTokyo ? Wgs84ToTokyo(c.from) : TokyoToWgs84(c.from);
    EXPECT_NEAR(result.latitude, c.to.latitude, tolerance) << c.from.latitude;
    EXPECT_NEAR(result.longitude, c.to.longitude, tolerance) << c.from.latitude;
  }
}

TEST(DatumShift, RoundTripOverJapanStaysWithinAUnit) {
  for (double latitude = 20; latitude <= 46; latitude += 2) {
    for (double longitude = 122; longitude <= 154; longitude += 2) {
      const GeodeticPosition back = TokyoToWgs84(Wgs84ToTokyo({latitude, longitude}));
      EXPECT_NEAR(back.latitude, latitude, unitDegrees);
      EXPECT_NEAR(back.longitude, longitude, unitDegrees);
    }
  }
}

TEST(DegreesToUnits, CountsNearestUnitsWithTheirSign) {
  constexpr std::int32_t lowest = std::numeric_limits<std::int32_t>::min();
  constexpr std::int32_t highest = std::numeric_limits<std::int32_t>::max();
  const struct {
    double degrees;
    std::int32_t units;
  } cases[] = {
      {0.0, 0},
      {1.0 / 3600, 2048},
      {-1.0 / 3600, -2048},
      {0.4 * unitDegrees, 0},
      {0.6 * unitDegrees, 1},
      {-0.6 * unitDegrees, -1},
      {180.0, 1327104000},
      {-180.0, -1327104000},
      {1e300, highest},
      {-std::numeric_limits<double>::infinity(), lowest},
      {std::numeric_limits<double>::quiet_NaN(), 0},
  };
  for (const auto& c : cases) EXPECT_EQ(DegreesToUnits(c.degrees), c.units) << c.degrees;
  // The same count the point list's degrees, minutes and seconds give.
  EXPECT_EQ(DegreesToUnits(135 + 30 / 60.0 + 45.1 / 3600), DmsToUnits("135/30/45.1"));
  EXPECT_EQ(DegreesToUnits(34 + 39 / 60.0 + 12.5 / 3600), DmsToUnits("034/39/12.5"));
}

TEST(UnitsToDegrees, InvertsDegreesToUnits) {
  for (std::int32_t units : {0, 1, -1, 2048, -2048, 999106765, -1327104000,
                             std::numeric_limits<std::int32_t>::min()}) {
    EXPECT_EQ(DegreesToUnits(UnitsToDegrees(units)), units);
  }
  EXPECT_DOUBLE_EQ(UnitsToDegrees(-2048), -1.0 / 3600);
}

}  // namespace
}  // namespace pinmover
