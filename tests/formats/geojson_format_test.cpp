#include "formats/geojson/geojson_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/formats/format_test_files.h"

namespace pinmover::testing {
namespace {

using Reading = FormatReading<ReadGeoJson>;
using Kind = ProblemKind;

TEST(GeoJsonFormatTest, SavedPlacesExportNamesEachPlaceByTitleThenLocationName) {
  Reading reading;
  ReadResult result = reading.Read(Fixture("saved_places.geojson"));

  EXPECT_FALSE(result.failure);
  EXPECT_EQ(reading.sink.points, (std::vector<MapPoint>{
                                     {U8(u8"東京タワー"), 35.6585805, 139.7454316, 4, "",
                                      U8(u8"日本、〒105-0011 東京都港区芝公園４丁目２−８")},
                                     {U8(u8"道頓堀"), 34.6937, 135.5023, 23, "",
                                      U8(u8"大阪府大阪市中央区道頓堀１丁目")},
                                     {"", 35.0116, 135.7681, 41},
                                     {"", 0, 0, 53},
                                 }));
  EXPECT_TRUE(reading.sink.skipped.empty());
}

TEST(GeoJsonFormatTest, MixedGeometriesGivePointsAndSkipTheRestWithTheirReasons) {
  Reading reading;
  ReadResult result = reading.Read(Fixture("mixed_geometries.geojson"));

  EXPECT_FALSE(result.failure);
  EXPECT_EQ(reading.sink.points, (std::vector<MapPoint>{
                                     {U8(u8"駅"), 35.6812, 139.7671, 5},
                                     {U8(u8"小さい t"), 51.5072, -0.1276, 12},
                                     {U8(u8"数の名前"), 48.8566, 2.3522, 13},
                                     {"", -90, -180, 16},
                                 }));
  const SkipReason none = SkipReason::NoPointGeometry;
  const SkipReason unreadable = SkipReason::UnreadableCoordinates;
  EXPECT_EQ(reading.sink.skipped, (std::vector<SkippedItem>{
                                      {none, 6, U8(u8"散歩道")},
                                      {none, 7, U8(u8"公園")},
                                      {none, 8, U8(u8"二つの店")},
                                      {none, 9, U8(u8"集まり")},
                                      {none, 10, U8(u8"未定")},
                                      {unreadable, 11, U8(u8"文字の座標")},
                                      {unreadable, 14, ""},
                                      {unreadable, 15, U8(u8"片方だけ")},
                                  }));
}

TEST(GeoJsonFormatTest, SingleFeatureWithMembersInAnyOrder) {
  Reading reading;
  ReadResult result = reading.Read(
      "\n\n{\"geometry\": {\"coordinates\": [139.1, 35.1], \"type\": \"Point\"},\n"
      " \"properties\": {\"location\": {\"name\": \"loc\"}, \"Title\": \"T\"}, \"type\": "
      "\"Feature\"}\n");

  EXPECT_FALSE(result.failure);
  // The place's own name comes before its title.
  EXPECT_EQ(reading.sink.points, (std::vector<MapPoint>{{"loc", 35.1, 139.1, 3}}));
}

TEST(GeoJsonFormatTest, LongNameIsCutBetweenCharacters) {
  std::string name;
  for (int i = 0; i < 2000; ++i) name += U8(u8"あ");
  Reading reading;
  reading.Read(R"({"type": "Feature", "properties": {"name": ")" + name +
               R"("}, "geometry": {"type": "Point", "coordinates": [1, 2]}})");

  ASSERT_EQ(reading.sink.points.size(), 1u);
  const std::string& kept = reading.sink.points[0].name;
  EXPECT_EQ(kept.size(), 4095u);  // 1365 whole characters of three bytes
  EXPECT_EQ(kept, name.substr(0, kept.size()));
}

// Every feature carries a long description, so that the document spans many read blocks.
TEST(GeoJsonFormatTest, TwoHundredAndOneFeaturesArriveInOrder) {
  std::string text = "{\"type\": \"FeatureCollection\", \"features\": [\n";
  for (int i = 0; i <= 200; ++i) {
    text += std::string(i ? ",\n" : "") + R"({"type": "Feature", "properties": {"description": ")" +
            std::string(1000, 'd') + R"(", "name": "p)" + std::to_string(i) +
            R"("}, "geometry": {"type": "Point", "coordinates": [)" + std::to_string(i) + ", " +
            std::to_string(i % 90) + "]}}";
  }
  text += "\n]}\n";
  Reading reading;
  ReadResult result = reading.Read(text);

  EXPECT_FALSE(result.failure);
  ASSERT_EQ(reading.sink.points.size(), 201u);
  for (std::size_t i = 0; i <= 200; ++i) {
    EXPECT_EQ(reading.sink.points[i],
              (MapPoint{"p" + std::to_string(i), static_cast<double>(i % 90),
                        static_cast<double>(i), i + 2}));
  }
  EXPECT_LE(reading.files.largestRequest, 64u * 1024u);
}

std::string Repeated(const std::string& piece, std::size_t times) {
  std::string text;
  for (std::size_t i = 0; i < times; ++i) text += piece;
  return text;
}

class GeoJsonRefusedTest : public ::testing::TestWithParam<RefusedFile> {};

TEST_P(GeoJsonRefusedTest, FailsWithWhereAndWhy) { ExpectRefused<ReadGeoJson>(GetParam()); }

const std::string megabyteOfA(std::size_t{2} << 20, 'a');

INSTANTIATE_TEST_SUITE_P(
    Documents, GeoJsonRefusedTest,
    ::testing::Values(
        RefusedFile{"malformed", Fixture("malformed.geojson"), Kind::NotWellFormed, 3, 45,
                        "unexpected string literal"},
        RefusedFile{"empty", "", Kind::NotWellFormed, 1, 0, "unexpected end of input"},
        RefusedFile{"cut short", "{\"type\": \"FeatureCollection\", \"features\": [",
                        Kind::NotWellFormed, 1, 43, "unexpected end of input"},
        RefusedFile{"trailing text", "{\"type\": \"Feature\"}\nx", Kind::NotWellFormed, 2, 1,
                        "invalid literal"},
        RefusedFile{"code page 932 in a string", "{\"type\": \"Feature\", \"name\": \"\x93\x8c\"}",
                        Kind::NotWellFormed, 1, 30, "ill-formed UTF-8"},
        RefusedFile{"number too large for a double",
                        "{\"type\": \"Feature\", \"geometry\": {\"coordinates\": [1e999, 1]}}",
                        Kind::Refused, 1, 55, "number overflow parsing '1e999'"},
        RefusedFile{"array", "[{\"type\": \"Feature\"}]", Kind::Refused, 1, 1, "an array"},
        RefusedFile{"number", " 42 ", Kind::Refused, 1, 4, "a single value"},
        RefusedFile{"bare geometry", "{\"type\": \"Point\", \"coordinates\": [1, 2]}",
                        Kind::Refused, 1, 16, "\"Point\", not a FeatureCollection or a Feature"},
        RefusedFile{"no type", "{\"properties\": {}}", Kind::Refused, 1, 18, "no \"type\""},
        RefusedFile{"a million [", "{\"a\": " + std::string(1'000'000, '['), Kind::Refused, 1, 262,
                        "nested deeper than 256 levels"},
        RefusedFile{"deep properties",
                        "{\"type\": \"Feature\", \"properties\": " + Repeated("{\"a\": ", 300),
                        Kind::Refused, 1, 34 + 6 * 255 + 1, "nested deeper"},
        RefusedFile{"long string", "{\"type\": \"Feature\", \"d\": \"" + megabyteOfA + "\"}",
                        Kind::Refused, 1, 26 + (1 << 20), "longer than 1048576 bytes"},
        RefusedFile{"long blank stretch", "{" + std::string(std::size_t{2} << 20, ' ') + "}",
                        Kind::Refused, 1, 1 + (1 << 20), "longer than"},
        RefusedFile{"many nulls",
                        "{\"type\": \"Feature\", \"a\": [" + Repeated("null,", 300'000) + "null]}",
                        Kind::Refused, 1, 21 + (1 << 20), "longer than"}));

TEST(GeoJsonFormatTest, OpenFailureCarriesItsCause) {
  Reading reading;
  reading.files.faults["in"].openCause = FileErrorCause::SharingViolation;
  ReadResult refused = reading.Read("{}");
  ReadResult missing = ReadGeoJson(reading.files, "absent", reading.sink);

  ASSERT_TRUE(refused.failure && missing.failure);
  EXPECT_EQ(refused.failure->kind, Kind::ListOpenFailed);
  EXPECT_EQ(refused.failure->cause, FileErrorCause::SharingViolation);
  EXPECT_EQ(missing.failure->cause, FileErrorCause::FileNotFound);
}

TEST(GeoJsonFormatTest, ReadErrorIsRaised) {
  Reading reading;
  reading.files.faults["in"].failAfterBytes = 10;
  EXPECT_THROW(reading.Read(Fixture("saved_places.geojson")), FileError);
}

}  // namespace
}  // namespace pinmover::testing
