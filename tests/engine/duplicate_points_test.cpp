#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "engine/datum_shift.h"
#include "engine/duplicate_points.h"

namespace pinmover {
namespace {

constexpr double metresPerDegree = 6371008.8 * std::numbers::pi / 180;

// A point moved north and east by some metres from a place, as a unit stores it.
UnitPoint At(const char* name, double latitude, double longitude, double north = 0,
             double east = 0) {
  const double movedLatitude = latitude + north / metresPerDegree;
  const double movedLongitude =
      longitude + east / (metresPerDegree * std::cos(latitude * std::numbers::pi / 180));
  UnitPoint point{.longitudeUnits = DegreesToUnits(std::remainder(movedLongitude, 360)),
                  .latitudeUnits = DegreesToUnits(movedLatitude)};
  point.name = SlotName::FromSjis(name);
  return point;
}

TEST(DuplicatePoints, SameNameWithinThirtyMetresWhereverOnEarth) {
  const struct {
    const char* what;
    UnitPoint earlier;
    UnitPoint later;
    bool duplicate;
  } cases[] = {
      {"the same spot", At("A", 35.6, 139.7), At("A", 35.6, 139.7), true},
      {"29 m north", At("A", 35.6, 139.7), At("A", 35.6, 139.7, 29), true},
      {"31 m north", At("A", 35.6, 139.7), At("A", 35.6, 139.7, 31), false},
      {"29 m west", At("A", 35.6, 139.7), At("A", 35.6, 139.7, 0, -29), true},
      {"31 m west", At("A", 35.6, 139.7), At("A", 35.6, 139.7, 0, -31), false},
      {"another name", At("A", 35.6, 139.7), At("B", 35.6, 139.7), false},
      // Just beside the edges of the grid's cells: a row is 4096 units high.
      {"across a row's edge", At("A", 4096 / 2048.0 / 3600 * 7000, 139.7, -10),
       At("A", 4096 / 2048.0 / 3600 * 7000, 139.7, 10), true},
      {"across the antimeridian", At("A", 35.6, 180, 0, -12), At("A", 35.6, 180, 0, 12), true},
      {"near the pole, far apart in longitude", At("A", 89.9999, 0), At("A", 89.9999, 90), true},
      {"south of the equator", At("A", -33.9, 18.4), At("A", -33.9, 18.4, -20, 20), true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    DuplicatePoints taken;
    taken.Add(At("other", 35.6, 139.7), 0, false);
    taken.Add(c.earlier, 7, true);
    const std::optional<DuplicatePoints::Match> match = taken.Find(c.later);
    ASSERT_EQ(match.has_value(), c.duplicate);
    if (match) {
      EXPECT_EQ(match->index, 7u);
      EXPECT_TRUE(match->held);
      EXPECT_LE(match->metres, duplicateMetres);
    }
  }
}

TEST(DuplicatePoints, APointTheOutputHeldComesFirstThenTheNearest) {
  DuplicatePoints taken;
  taken.Add(At("A", 35.6, 139.7, 5), 0, false);
  taken.Add(At("A", 35.6, 139.7, -25), 1, true);
  EXPECT_EQ(taken.Find(At("A", 35.6, 139.7))->index, 1u);

  DuplicatePoints unheld;
  unheld.Add(At("A", 35.6, 139.7, 25), 0, false);
  unheld.Add(At("A", 35.6, 139.7, -3), 1, false);
  const DuplicatePoints::Match nearest = *unheld.Find(At("A", 35.6, 139.7));
  EXPECT_EQ(nearest.index, 1u);
  EXPECT_NEAR(nearest.metres, 3, 0.1);
}

}  // namespace
}  // namespace pinmover
