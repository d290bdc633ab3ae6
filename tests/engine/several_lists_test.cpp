#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/point_conversion.h"
#include "tests/fakes/fake_conversion_desk.h"
#include "tests/formats/format_test_files.h"
#include "unitfile/point_file_inspection.h"
#include "unitfile/voice_guidance_table.h"

namespace pinmover {
namespace {

using testing::U8;

struct Place {
  std::string name;
  double latitude;
  double longitude;
};

std::string Gpx(const std::vector<Place>& places) {
  std::string text = "<gpx version=\"1.1\" xmlns=\"http://www.topografix.com/GPX/1/1\">\n";
  for (const Place& place : places) {
    text += "<wpt lat=\"" + std::to_string(place.latitude) + "\" lon=\"" +
            std::to_string(place.longitude) + "\"><name>" + place.name + "</name></wpt>\n";
  }
  return text + "</gpx>\n";
}

std::vector<Place> Numbered(const std::string& prefix, int count) {
  std::vector<Place> places;
  for (int i = 1; i <= count; ++i)
    places.push_back({prefix + std::to_string(i), 35 + i * 0.01, 139});
  return places;
}

class CollectedReports : public ProblemSink {
 public:
  void Report(const Problem& report) override { reports.push_back(report); }
  std::vector<ProblemKind> Kinds() const {
    std::vector<ProblemKind> kinds;
    for (const Problem& report : reports) kinds.push_back(report.kind);
    return kinds;
  }
  std::vector<Problem> reports;
};

class SeveralListsTest : public ::testing::Test, protected testing::FakeConversionDesk {
 protected:
  ConversionResult Convert(const std::vector<std::string>& inputs, const std::string& output,
                           bool append = false, bool keepDuplicates = false) {
    ConversionRequest request;
    for (const std::string& input : inputs) request.inputs.push_back({input, FormatForPath(input)});
    request.outputPath = output;
    request.icon = 9;
    request.voiceCode = voiceGuidanceTable[3].code;
    request.datum = Datum::Wgs84;
    request.append = append;
    request.keepDuplicates = keepDuplicates;
    reports.reports.clear();
    return ConvertPoints(formats, image, request, &reports);
  }

  PointFileInspection Inspect(const std::string& path) {
    const std::string& file = files.files.at(path);
    return InspectPointFile({reinterpret_cast<const std::uint8_t*>(file.data()), file.size()},
                            file.size());
  }

  // A card's file of these places, made at another time than the runs that follow.
  void Card(const std::string& path, const std::vector<Place>& places) {
    files.files["card.gpx"] = Gpx(places);
    clock.now = {2019, 4, 1, 8, 30, 0};
    ASSERT_EQ(Convert({"card.gpx"}, path).outcome, ConversionOutcome::Converted);
    clock.now = {2026, 12, 9, 10, 0, 0};
  }

  CollectedReports reports;
};

// Lists of every kind in one run, their points in the order given: each keeps its own icon and
// voice where it gives them, a point file's slots come as they were, and a value the unit has
// no icon or voice for falls back to the run's and is told, naming its list.
TEST_F(SeveralListsTest, ListsOfEveryKindFollowOneAnother) {
  Card("old.pnt", {{"Old", 35.2, 139.2}});
  const SlotBytes oldSlot = Inspect("old.pnt").points.at(0).record;
  files.files["a.gpx"] =
      "<gpx xmlns=\"http://www.topografix.com/GPX/1/1\" xmlns:pm=\"" +
      std::string("https://pinmover.invalid/xmlschemas/point/1") +
      "\">\n<wpt lat=\"35\" lon=\"139\"><name>G</name><extensions><pm:icon>12</pm:icon>"
      "<pm:voice>5</pm:voice></extensions></wpt>\n"
      "<wpt lat=\"35.1\" lon=\"139\"><name>Other app</name><extensions><osmand:icon "
      "xmlns:osmand=\"https://osmand.net\">special_star</osmand:icon></extensions></wpt></gpx>";
  files.files["b.csv"] = "name,lat,lon,icon,voice\r\nC1,35.3,139,200,544\r\nC2,35.4,139, 7 ,\r\n";
  files.files["c.kml"] =
      "<kml xmlns=\"http://www.opengis.net/kml/2.2\"><Document><Placemark><name>K</name>"
      "<ExtendedData><Data name=\"icon\"><value>180</value></Data><Data name=\"voice\">"
      "<value>loud</value></Data></ExtendedData><Point><coordinates>139,35.5</coordinates>"
      "</Point></Placemark></Document></kml>";
  files.files["d.geojson"] =
      "{\"type\":\"FeatureCollection\",\"features\":[{\"type\":\"Feature\",\"geometry\":{\"type\":"
      "\"Point\",\"coordinates\":[139,35.6]},\"properties\":{\"name\":\"J\",\"icon\":3.0,"
      "\"voice\":16}}]}";
  const ConversionResult result =
      Convert({"a.gpx", "old.pnt", "b.csv", "c.kml", "d.geojson"}, "out.pnt");
  ASSERT_EQ(result.outcome, ConversionOutcome::Converted);

  const PointFileInspection out = Inspect("out.pnt");
  EXPECT_TRUE(out.problems.empty());
  const struct {
    std::string name;
    int icon;
    std::uint16_t voiceCode;
  } expected[] = {
      {"G", 12, voiceGuidanceTable[5].code},  {"Other app", 9, voiceGuidanceTable[3].code},
      {"Old", 9, voiceGuidanceTable[3].code}, {"C1", 9, 0x220},
      {"C2", 7, voiceGuidanceTable[3].code},  {"K", 180, voiceGuidanceTable[3].code},
      {"J", 3, voiceGuidanceTable[16].code},
  };
  ASSERT_EQ(out.points.size(), std::size(expected));
  for (std::size_t i = 0; i < std::size(expected); ++i) {
    SCOPED_TRACE(expected[i].name);
    EXPECT_EQ(out.points[i].name, expected[i].name);
    EXPECT_EQ(out.points[i].icon, expected[i].icon);
    EXPECT_EQ(out.points[i].voiceCode, expected[i].voiceCode);
  }
  EXPECT_EQ(out.points[2].record, oldSlot) << "a point file's slot is copied as it stood";

  ASSERT_EQ(reports.Kinds(),
            (std::vector{ProblemKind::IconOutOfRange, ProblemKind::VoiceOutOfRange}));
  EXPECT_EQ(reports.reports[0].path, "b.csv");
  EXPECT_EQ(reports.reports[0].detail, "200");
  EXPECT_EQ(reports.reports[0].name, "C1");
  EXPECT_EQ(reports.reports[1].path, "c.kml");
  EXPECT_EQ(reports.reports[1].detail, "loud");
}

TEST_F(SeveralListsTest, AppendingKeepsTheCardsPointsFirstAndCountsWhatDoesNotFit) {
  Card("card.pnt", Numbered("C", 150));
  const PointFileInspection before = Inspect("card.pnt");
  files.files["new.gpx"] = Gpx(Numbered("N", 80));
  const ConversionResult result = Convert({"new.gpx"}, "card.pnt", true);
  ASSERT_EQ(result.outcome, ConversionOutcome::Converted);
  EXPECT_EQ(result.pointCount, 230u);
  EXPECT_EQ(result.writtenCount, 200u);
  EXPECT_EQ(result.heldCount, 150u);
  const PointFileInspection after = Inspect("card.pnt");
  ASSERT_EQ(after.points.size(), 200u);
  for (int slot = 0; slot < 150; ++slot) {
    ASSERT_EQ(after.points[slot].record, before.points[slot].record) << slot;
  }
  EXPECT_EQ(after.points[150].name, "N1");
  EXPECT_EQ(after.points[199].name, "N50");

  // Onto a card that is not there yet, appending changes nothing.
  clock.now = {2026, 12, 9, 10, 0, 0};
  Convert({"new.gpx"}, "plain.pnt");
  Convert({"new.gpx"}, "fresh.pnt", true);
  EXPECT_EQ(files.files.at("fresh.pnt"), files.files.at("plain.pnt"));
}

// A damaged file is refused whole, whether it is read or added to, and stays as it was; so
// does a list the run would write over.
TEST_F(SeveralListsTest, DamagedCardsAndOutputsAmongTheInputsAreRefusedUntouched) {
  Card("card.pnt", Numbered("C", 3));
  files.files.at("card.pnt").at(headerSize + recordSize + offsetof(PointImageRecord, checksum)) ^=
      1;
  const std::string damaged = files.files.at("card.pnt");
  files.files["new.gpx"] = Gpx(Numbered("N", 2));
  const struct {
    std::vector<std::string> inputs;
    std::string output;
    bool append;
    ProblemKind refusal;
  } cases[] = {
      {{"new.gpx"}, "card.pnt", true, ProblemKind::DamagedPointFile},
      {{"card.pnt", "new.gpx"}, "out.pnt", false, ProblemKind::DamagedPointFile},
      {{"new.gpx", "card.pnt"}, "card.pnt", true, ProblemKind::OutputIsInput},
  };
  for (const auto& c : cases) {
    const ConversionResult result = Convert(c.inputs, c.output, c.append);
    EXPECT_EQ(result.outcome, ConversionOutcome::LoadFailed);
    ASSERT_TRUE(result.problem);
    EXPECT_EQ(result.problem->kind, c.refusal);
    EXPECT_EQ(result.problem->path, "card.pnt");
  }
  const std::vector<Problem> causes = Convert({"card.pnt"}, "out.pnt").problem->causes;
  ASSERT_EQ(causes.size(), 1u);
  EXPECT_EQ(causes[0].kind, ProblemKind::ChecksumMismatch);
  EXPECT_EQ(causes[0].slot, 1);
  EXPECT_EQ(files.files.at("card.pnt"), damaged);
  EXPECT_FALSE(files.files.contains("out.pnt"));
}

// The card holds A and B. The new list brings A again 20 m away, B 40 m away (another place),
// and D twice at one spot.
TEST_F(SeveralListsTest, DuplicatesAreToldAndOnlyThoseOfTheCardLeftOut) {
  const std::vector<Place> card{{"A", 35.0, 139.0}, {"B", 35.1, 139.1}};
  const double metre = 1 / 111195.0;
  const std::vector<Place> more{{"A", 35.0 + 20 * metre, 139.0},
                                {"B", 35.1 + 40 * metre, 139.1},
                                {"D", 35.2, 139.2},
                                {"D", 35.2, 139.2}};
  const struct {
    const char* what;
    bool append;
    bool keep;
    std::vector<ProblemKind> told;
    std::uint64_t written;
    int firstD;  // where the first D was written
  } cases[] = {
      {"both read as lists",
       false,
       false,
       {ProblemKind::DuplicateKept, ProblemKind::DuplicateKept},
       6,
       4},
      {"appended", true, false, {ProblemKind::DuplicateLeftOut, ProblemKind::DuplicateKept}, 5, 3},
      {"appended, duplicates kept",
       true,
       true,
       {ProblemKind::DuplicateKept, ProblemKind::DuplicateKept},
       6,
       4},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Card("card.pnt", card);
    files.files["more.gpx"] = Gpx(more);
    const ConversionResult result = c.append ? Convert({"more.gpx"}, "card.pnt", true, c.keep)
                                             : Convert({"card.pnt", "more.gpx"}, "out.pnt");
    EXPECT_EQ(result.writtenCount, c.written);
    EXPECT_EQ(reports.Kinds(), c.told);
    ASSERT_EQ(reports.reports.size(), 2u);
    EXPECT_EQ(reports.reports[0].name, "A");
    EXPECT_EQ(reports.reports[0].point, 1u);
    EXPECT_EQ(reports.reports[0].slot, 0);
    EXPECT_EQ(reports.reports[0].count, 20u);
    EXPECT_EQ(reports.reports[0].path, "more.gpx");
    EXPECT_EQ(reports.reports[1].point, 4u);
    EXPECT_EQ(reports.reports[1].slot, c.firstD);
  }
}

TEST_F(SeveralListsTest, ListsWithoutPointsAreToldOneByOne) {
  files.files["empty.gpx"] = Gpx({});
  files.files["new.gpx"] = Gpx(Numbered("N", 1));
  EXPECT_EQ(Convert({"empty.gpx", "new.gpx"}, "out.pnt").outcome, ConversionOutcome::Converted);
  ASSERT_EQ(reports.reports.size(), 1u);
  EXPECT_EQ(reports.reports[0].kind, ProblemKind::NoPoints);
  EXPECT_EQ(reports.reports[0].path, "empty.gpx");

  const ConversionResult none = Convert({"empty.gpx", "empty.gpx"}, "out2.pnt");
  EXPECT_EQ(none.outcome, ConversionOutcome::NoPoints);
  EXPECT_EQ(none.problem->path, "");
  EXPECT_FALSE(files.files.contains("out2.pnt"));
}

}  // namespace
}  // namespace pinmover
