#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "formats/gpx_format.h"
#include "formats/kml_format.h"
#include "tests/fakes/fake_file_system.h"
#include "tests/formats/fixture_text.h"
#include "tests/formats/recording_sink.h"

namespace pinmover {
namespace {

using Events = std::vector<std::string>;

std::string Utf8(const char8_t* text) { return reinterpret_cast<const char*>(text); }

class XmlFormatsTest : public ::testing::Test {
 protected:
  template <class Format>
  ReadResult Read(const std::string& fixture) {
    files.files["list"] = testing::FixtureText(fixture);
    Format format(files);
    return format.Read("list", sink);
  }

  testing::FakeFileSystem files;
  testing::RecordingSink sink;
};

TEST_F(XmlFormatsTest, GpxGivesItsWaypointsAndCountsTheRest) {
  ReadResult result = Read<GpxFormat>("phone_app.gpx");
  EXPECT_FALSE(result.failure);
  EXPECT_EQ(result.routeAndTrackPoints, 3u);
  EXPECT_EQ(sink.events, (Events{Utf8(u8"point 東京タワー 35.658581 139.745433"),
                                 Utf8(u8"point 富士山 <剣ヶ峰> 35.360556 138.727778"),
                                 "point  34.967100 135.772700", Utf8(u8"unreadable 壊れた座標")}));
  EXPECT_EQ(files.openFiles, 0);
}

TEST_F(XmlFormatsTest, GpxOfTheFirstVersionReadsAlike) {
  EXPECT_FALSE(Read<GpxFormat>("version_1_0.gpx").failure);
  EXPECT_EQ(sink.events, (Events{Utf8(u8"point Sapporo 駅 43.062096 141.354376"),
                                 "point Opera House -33.856800 151.215300"}));
}

TEST_F(XmlFormatsTest, GpxWithTracksOnlyHasNoWaypoint) {
  ReadResult result = Read<GpxFormat>("tracks_only.gpx");
  EXPECT_FALSE(result.failure);
  EXPECT_EQ(result.routeAndTrackPoints, 3u);
  EXPECT_TRUE(sink.events.empty());
}

TEST_F(XmlFormatsTest, KmlGivesPlacemarksWithPointsAtAnyDepth) {
  EXPECT_FALSE(Read<KmlFormat>("map_export.kml").failure);
  EXPECT_EQ(sink.events, (Events{Utf8(u8"point 浅草寺 & 雷門 35.714765 139.796655"),
                                 Utf8(u8"point 赤レンガ倉庫 35.452700 139.642500"),
                                 Utf8(u8"no point 散歩道"), Utf8(u8"point 鎌倉 35.319200 139.550500"),
                                 Utf8(u8"unreadable 座標なし")}));
}

TEST_F(XmlFormatsTest, DocumentsThatAreNotWellFormedFailWithTheirLine) {
  files.files["list"] = "<?xml version=\"1.0\"?>\n<gpx>\n<wpt lat=\"1\" lon=\"2\">\n</gpx>\n";
  GpxFormat gpx(files);
  ReadResult result = gpx.Read("list", sink);
  ASSERT_TRUE(result.failure);
  EXPECT_EQ(result.failure->kind, ReadFailure::Kind::NotWellFormed);
  EXPECT_EQ(result.failure->line, 4u);
  EXPECT_EQ(files.openFiles, 0);
}

TEST_F(XmlFormatsTest, FilesThatDoNotOpenSayWhy) {
  files.faults["list"].openCause = FileErrorCause::SharingViolation;
  files.files["list"] = "<kml/>";
  KmlFormat kml(files);
  ReadResult result = kml.Read("list", sink);
  ASSERT_TRUE(result.failure);
  EXPECT_EQ(result.failure->kind, ReadFailure::Kind::OpenFailed);
  EXPECT_EQ(result.failure->cause, FileErrorCause::SharingViolation);
}

}  // namespace
}  // namespace pinmover
