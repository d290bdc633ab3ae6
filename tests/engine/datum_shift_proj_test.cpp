#include <gtest/gtest.h>
#include <proj.h>

#include <cmath>
#include <memory>
#include <numbers>

#include "engine/datum_shift.h"

namespace pinmover {
namespace {

// The metres between two positions close to each other.
double MetresApart(GeodeticPosition a, GeodeticPosition b) {
  constexpr double metresPerDegree = 6378137.0 * std::numbers::pi / 180.0;
  const double north = (a.latitude - b.latitude) * metresPerDegree;
  const double east = (a.longitude - b.longitude) * metresPerDegree *
                      std::cos(a.latitude * std::numbers::pi / 180.0);
  return std::hypot(north, east);
}

class DatumShiftAgainstProj : public ::testing::Test {
 protected:
  void SetUp() override {
    PJ* raw = proj_create_crs_to_crs(
        nullptr, "+proj=longlat +datum=WGS84 +type=crs",
        "+proj=longlat +ellps=bessel +towgs84=-146.414,507.337,680.507 +type=crs", nullptr);
    ASSERT_NE(raw, nullptr);
    // Longitude first, in degrees, whatever order the definitions declare.
    transformation_.reset(proj_normalize_for_visualization(nullptr, raw));
    proj_destroy(raw);
    ASSERT_NE(transformation_, nullptr);
  }

  GeodeticPosition Proj(GeodeticPosition from, PJ_DIRECTION direction) {
    const PJ_COORD result = proj_trans(transformation_.get(), direction,
                                       proj_coord(from.longitude, from.latitude, 0, 0));
    return {result.lpzt.phi, result.lpzt.lam};
  }

  struct Destroy {
    void operator()(PJ* p) const { proj_destroy(p); }
  };
  std::unique_ptr<PJ, Destroy> transformation_;
};

TEST_F(DatumShiftAgainstProj, AgreesWithinAMillimetreOverJapan) {
  constexpr double step = 0.25;
  double worstToTokyo = 0;
  double worstToWgs84 = 0;
  for (double latitude = 20; latitude <= 46; latitude += step) {
    for (double longitude = 122; longitude <= 154; longitude += step) {
      const GeodeticPosition position{latitude, longitude};
      worstToTokyo = std::max(
          worstToTokyo, MetresApart(Wgs84ToTokyo(position), Proj(position, PJ_FWD)));
      worstToWgs84 = std::max(
          worstToWgs84, MetresApart(TokyoToWgs84(position), Proj(position, PJ_INV)));
    }
  }
  EXPECT_LE(worstToTokyo, 0.001);
  EXPECT_LE(worstToWgs84, 0.001);
}

}  // namespace
}  // namespace pinmover
