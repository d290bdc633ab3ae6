#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "formats/registry.h"
#include "tests/fakes/zip_writer.h"
#include "tests/formats/format_test_files.h"

// Files in the shape map apps really export (made-up places), read through the registry as the
// program reads them.
namespace pinmover::testing {
namespace {

const std::string png = std::string("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16) + std::string(200, 'p');

struct ExportCase {
  const char* what;
  std::string path;
  std::string content;
  std::vector<MapPoint> points;
  std::vector<SkippedItem> skipped = {};
  std::optional<ProblemKind> failure = {};
  std::string failureDetail = {};
};

void PrintTo(const ExportCase& file, std::ostream* out) { *out << file.what; }

std::vector<ExportCase> Cases() {
  const std::string myMaps = Fixture("my_maps_doc.kml");
  const std::string earth = Fixture("google_earth_place.kml");
  const std::string networkLink = Fixture("network_link.kml");
  const std::string link =
      "https://www.google.com/maps/d/u/0/kml?mid=1aBcDeFgHiJkLmNoPqRsTuVwXyZ012345&forcekml=1";
  const std::vector<MapPoint> myMapsPoints{
      {U8(u8"Kamakurakōkō-Mae Station\n"), 35.3066, 139.5103, 0},
      {U8(u8"Café Mirabelle"), 35.6580, 139.7016, 0}};
  const std::vector<SkippedItem> myMapsSkipped{
      {SkipReason::NoPointGeometry, 0, U8(u8"海沿いの道 (ドライブコース)")}};
  const std::vector<MapPoint> earthPoints{{"Yokohama Pier", 35.4511, 139.6426, 0}};
  const std::string placeLink =
      "https://www.google.com/maps/place/Sample+Tower/data=!4m2!3m1!1s0x60188bbd9009ec09:"
      "0x481a93f0d2a409dd";
  return {
      {"My Maps KMZ: images first, doc.kml deflated, a CDATA name ending in a line break",
       "drive.kmz", Zip({{"images/icon-1.png", png}, {"doc.kml", myMaps}}, ""), myMapsPoints,
       myMapsSkipped},
      {"My Maps KML", "drive.kml", myMaps, myMapsPoints, myMapsSkipped},
      {"Google Earth KMZ: a folder, then a stored KML named after the place",
       "Yokohama Pier.KMZ",
       Zip({{"files/", "", 0}, {"files/photo.jpg", png, 0}, {"Yokohama Pier.kml", earth, 0}}, ""),
       earthPoints},
      {"My Maps kept up to date: a network link and no placemark", "live.kml", networkLink, {}, {},
       ProblemKind::NetworkLinkOnly, link},
      {"the same as KMZ", "live.kmz", Zip({{"doc.kml", networkLink}}, ""), {}, {},
       ProblemKind::NetworkLinkOnly, link},
      {"a KMZ cut short", "cut.kmz",
       Zip({{"doc.kml", myMaps}, {"images/icon-1.png", png}}, "").substr(0, 300), {}, {},
       ProblemKind::ArchiveDamaged},
      {"an encrypted KMZ", "locked.kmz", Zip({{"doc.kml", myMaps, 0, false, true}}, ""), {}, {},
       ProblemKind::ArchiveEncrypted},
      {"a KMZ without KML", "images.kmz", Zip({{"images/icon-1.png", png}}, ""), {}, {},
       ProblemKind::ArchiveWithoutKml},
      {"a KMZ whose KML does not match its checksum", "damaged.kmz",
       Zip({{.name = "doc.kml", .content = myMaps, .crc = 7}}, ""), {}, {},
       ProblemKind::ArchiveDamaged},
      {"Takeout's saved places today: positions kept at 0, 0 come with their links",
       "Saved Places.json",
       Fixture("saved_places_takeout.json"),
       {{"Sample Central Station", 35.6812362, 139.7671248, 4,
         "http://maps.google.com/?cid=1234567890123456789",
         U8(u8"日本、〒100-0005 東京都千代田区丸の内１丁目")},
        {"", 0, 0, 23, "http://maps.google.com/?q=22.194509,113.540148"},
        {"", 0, 0, 38,
         "http://maps.google.com/?q=%E6%9E%B6%E7%A9%BA%E3%81%AE%E5%96%AB%E8%8C%B6%E5%BA%97,+"
         "%E9%8E%8C%E5%80%89%E5%B8%82&ftid=0x6018451e5e6ed1b3:0x5a1e5e2a00000000"},
        {U8(u8"Isezakichō Arcade"), 35.4437, 139.6231, 53, "http://maps.google.com/?cid=555",
         U8(u8"神奈川県横浜市中区伊勢佐木町")}}},
      {"Takeout's older saved places: the business name, else the title, else the address",
       "Saved Places.json",
       Fixture("saved_places_2019.json"),
       {{U8(u8"Isezakichō Arcade"), 35.4437, 139.6231, 4, "http://maps.google.com/?cid=9876543210",
         U8(u8"神奈川県横浜市中区伊勢佐木町")},
        {U8(u8"Kamakurakōkō-Mae Station"), 35.3066, 139.5103, 29,
         "http://maps.google.com/?cid=1111111111", U8(u8"神奈川県鎌倉市腰越")},
        {U8(u8"静岡県富士宮市"), 0, 0, 52,
         "http://maps.google.com/?q=%E9%A7%85%E5%89%8D%E3%81%AE%E3%83%91%E3%83%B3%E5%B1%8B",
         U8(u8"静岡県富士宮市")}}},
      {"Takeout's saved list: a description before the header, places and dropped pins",
       "Want to go.csv",
       Fixture("saved_list_takeout.csv"),
       {{U8(u8"駐車場の入口"), 35.69, 139.63, 5, "https://www.google.com/maps/search/35.6900,139.6300"},
        {"Dropped pin", 35.4511, 139.6426, 6,
         "https://www.google.com/maps/search/35.45110,+139.64260"},
        {U8(u8"Café Bleu"), 35.6656, 139.7121, 7,
         "https://www.google.com/maps/place/Caf%C3%A9+Bleu/@35.6655,139.7120,17z/"
         "data=!3m1!4b1!4m6!3m5!1s0x0:0x1!8m2!3d35.6656!4d139.7121"}},
       {{SkipReason::NoPosition, 4, "Sample Tower"}}},
      {"a saved list of places only", "Favourites.csv", Fixture("saved_list_places_only.csv"),
       {},
       {{SkipReason::NoPosition, 2, "Sample Tower"}, {SkipReason::NoPosition, 3, "Sample Shrine"}},
       ProblemKind::ListWithoutPositions},
  };
}

class MapAppExportTest : public ::testing::TestWithParam<ExportCase> {};

TEST_P(MapAppExportTest, GivesThePlacesOrSaysWhyNot) {
  const ExportCase& file = GetParam();
  FakeFileSystem files;
  files.files[file.path] = file.content;
  PointListReader reader(files);
  FormatContext context{files, reader};
  RecordingPointSink sink;
  const Format* format = FormatForPath(file.path);
  ASSERT_TRUE(format);
  const ReadResult result = ReadPoints(*format, context, file.path, sink);

  EXPECT_EQ(sink.points, file.points);
  EXPECT_EQ(sink.skipped, file.skipped);
  EXPECT_EQ(result.failure.has_value(), file.failure.has_value());
  if (result.failure && file.failure) {
    EXPECT_EQ(result.failure->kind, *file.failure);
    EXPECT_EQ(result.failure->detail, file.failureDetail);
    EXPECT_EQ(result.failure->path, file.path);
  }
  EXPECT_EQ(files.openFiles, 0);
}

INSTANTIATE_TEST_SUITE_P(Exports, MapAppExportTest, ::testing::ValuesIn(Cases()));

}  // namespace
}  // namespace pinmover::testing
