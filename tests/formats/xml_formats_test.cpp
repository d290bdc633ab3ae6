#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "formats/gpx/gpx_reader.h"
#include "formats/kml/kml_reader.h"
#include "tests/formats/format_test_files.h"

namespace pinmover {
namespace {

using testing::Fixture;
using testing::U8;
using Points = std::vector<MapPoint>;
using Skipped = std::vector<SkippedItem>;

TEST(GpxFormatTest, WaypointsAreTakenAndRouteAndTrackPointsCounted) {
  testing::FormatReading<ReadGpx> reading;
  ReadResult result = reading.Read(Fixture("phone_app.gpx"));
  EXPECT_FALSE(result.failure);
  EXPECT_EQ(result.routeAndTrackPoints, 3u);
  EXPECT_EQ(reading.sink.points, (Points{{U8(u8"東京タワー"), 35.658581, 139.745433, 0},
                                         {U8(u8"富士山 <剣ヶ峰>"), 35.360556, 138.727778, 0},
                                         {"", 34.9671, 135.7727, 0}}));
  EXPECT_EQ(reading.sink.skipped,
            (Skipped{{SkipReason::UnreadableCoordinates, 0, U8(u8"壊れた座標")}}));
  EXPECT_EQ(reading.files.openFiles, 0);
}

TEST(GpxFormatTest, TheFirstVersionAndTrackOnlyFiles) {
  testing::FormatReading<ReadGpx> reading;
  EXPECT_FALSE(reading.Read(Fixture("version_1_0.gpx")).failure);
  EXPECT_EQ(reading.sink.points, (Points{{U8(u8"Sapporo 駅"), 43.062096, 141.354376, 0},
                                         {"Opera House", -33.8568, 151.2153, 0}}));

  testing::FormatReading<ReadGpx> tracks;
  ReadResult result = tracks.Read(Fixture("tracks_only.gpx"));
  EXPECT_EQ(result.routeAndTrackPoints, 3u);
  EXPECT_TRUE(tracks.sink.points.empty());
}

TEST(KmlFormatTest, PlacemarksWithPointsAtAnyDepth) {
  testing::FormatReading<ReadKml> reading;
  EXPECT_FALSE(reading.Read(Fixture("map_export.kml")).failure);
  EXPECT_EQ(reading.sink.points, (Points{{U8(u8"浅草寺 & 雷門"), 35.7147651, 139.7966553, 0},
                                         {U8(u8"赤レンガ倉庫"), 35.4527, 139.6425, 0},
                                         {U8(u8"鎌倉"), 35.3192, 139.5505, 0}}));
  EXPECT_EQ(reading.sink.skipped,
            (Skipped{{SkipReason::NoPointGeometry, 0, U8(u8"散歩道")},
                     {SkipReason::UnreadableCoordinates, 0, U8(u8"座標なし")}}));
}

TEST(XmlFormatsTest, DocumentsThatCannotBeReadSayWhy) {
  testing::FormatReading<ReadGpx> broken;
  ReadResult result = broken.Read("<?xml version=\"1.0\"?>\n<gpx>\n<wpt lat=\"1\" lon=\"2\">\n</gpx>\n");
  ASSERT_TRUE(result.failure);
  EXPECT_EQ(result.failure->kind, ProblemKind::NotWellFormed);
  EXPECT_EQ(result.failure->line, 4u);
  EXPECT_EQ(broken.files.openFiles, 0);

  testing::FormatReading<ReadKml> held;
  held.files.faults["in"].openCause = FileErrorCause::SharingViolation;
  result = held.Read("<kml/>");
  ASSERT_TRUE(result.failure);
  EXPECT_EQ(result.failure->kind, ProblemKind::ListOpenFailed);
  EXPECT_EQ(result.failure->cause, FileErrorCause::SharingViolation);
}

}  // namespace
}  // namespace pinmover
