#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/datum_shift.h"
#include "engine/point_conversion.h"
#include "tests/fakes/fake_conversion_desk.h"
#include "tests/fakes/recording_message_box.h"
#include "tests/formats/format_test_files.h"
#include "ui/dialog/application_messages.h"
#include "wording/problem_messages.h"

namespace pinmover {
namespace {

std::string Waypoints(int count, double latitude = 35.5) {
  std::string text = "<?xml version=\"1.0\"?>\n<gpx version=\"1.1\">\n";
  for (int i = 1; i <= count; ++i) {
    text += "<wpt lat=\"" + std::to_string(latitude) + "\" lon=\"139.5\"><name>P" +
            std::to_string(i) + "</name></wpt>\n";
  }
  return text + "</gpx>\n";
}

std::int32_t SlotWord(const std::string& file, int slot, std::size_t offset) {
  std::int32_t value = 0;
  for (std::size_t i = 0; i < 4; ++i) {
    value = static_cast<std::int32_t>(static_cast<std::uint32_t>(value) << 8 |
                                      static_cast<unsigned char>(file.at(
                                          headerSize + static_cast<std::size_t>(slot) * recordSize +
                                          offset + i)));
  }
  return value;
}

// The name of a written slot, its units read back as ASCII.
std::string SlotName(const std::string& file, int slot) {
  std::string name;
  for (std::size_t at = offsetof(PointImageRecord, name); at < offsetof(PointImageRecord, name) + 38;
       at += 2) {
    const char byte = file.at(headerSize + static_cast<std::size_t>(slot) * recordSize + at + 1);
    if (byte == 0) break;
    name += byte;
  }
  return name;
}

class CollectedReports : public ProblemSink {
 public:
  void Report(const Problem& report) override { reports.push_back(report); }
  std::vector<Problem> reports;
};

class PointConversionTest : public ::testing::Test, protected testing::FakeConversionDesk {
 protected:
  ConversionResult Convert(const std::string& input, bool split = false,
                           Datum datum = Datum::Wgs84) {
    ConversionRequest request;
    request.inputs = {{input, FormatForPath(input)}};
    request.outputPath = "tour.pnt";
    request.icon = 7;
    request.datum = datum;
    request.overflow = split ? Overflow::Split : Overflow::LeaveOut;
    ConversionResult result =
        ConvertPoints(formats, image, request, &reports);
    // What the dialog shows for it: the conversion's own words in its boxes, a list's and a
    // file's in the application's.
    if (result.problem) {
      for (const Message& message : ProblemMessages(*result.problem, files)) {
        if (message.caption.empty()) {
          messages.Show(message);
        } else {
          runBoxes.Show(message.text, message.caption, message.style);
        }
      }
    }
    return result;
  }

  testing::RecordingMessageBox boxes;
  ApplicationMessages messages{boxes, "pinmover"};
  testing::RecordingMessageBox runBoxes;
  CollectedReports reports;
};

TEST_F(PointConversionTest, SplitWritesEveryPointIntoNumberedFiles) {
  files.files["tour.gpx"] = Waypoints(450);
  ConversionResult result = Convert("tour.gpx", true);
  EXPECT_EQ(result.outcome, ConversionOutcome::Converted);
  ASSERT_EQ(result.written.size(), 3u);
  const std::vector<std::pair<std::string, std::uint64_t>> expected{
      {"tour-1.pnt", 200}, {"tour-2.pnt", 200}, {"tour-3.pnt", 50}};
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(result.written[i].path, expected[i].first);
    EXPECT_EQ(result.written[i].points, expected[i].second);
    const std::string& file = files.files.at(expected[i].first);
    EXPECT_EQ(SlotName(file, 0), "P" + std::to_string(200 * i + 1));
  }
  EXPECT_EQ(SlotName(files.files.at("tour-3.pnt"), 49), "P450");
  EXPECT_EQ(SlotWord(files.files.at("tour-3.pnt"), 50, 0), 0) << "slot 50 stays empty";
  EXPECT_FALSE(files.files.contains("tour.pnt"));
  EXPECT_EQ(result.writtenCount, 450u);
}

TEST_F(PointConversionTest, WithoutSplitTheFirstFileIsWrittenAndTheRestCounted) {
  files.files["tour.gpx"] = Waypoints(201);
  ConversionResult result = Convert("tour.gpx");
  EXPECT_EQ(result.outcome, ConversionOutcome::Converted);
  EXPECT_EQ(result.pointCount, 201u);
  EXPECT_EQ(result.writtenCount, 200u);
  EXPECT_EQ(SlotName(files.files.at("tour.pnt"), 199), "P200");

  files.files["two.gpx"] = Waypoints(200);
  result = Convert("two.gpx", true);
  ASSERT_EQ(result.written.size(), 1u);
  EXPECT_EQ(result.written[0].path, "tour.pnt") << "one file's worth keeps its name";
}

TEST_F(PointConversionTest, ANumberedFileThatCannotBeWrittenStopsTheRest) {
  files.files["tour.gpx"] = Waypoints(450);
  files.faults["tour-2.pnt"].openCause = FileErrorCause::AccessDenied;
  ConversionResult result = Convert("tour.gpx", true);
  EXPECT_EQ(result.outcome, ConversionOutcome::WriteRefused);
  ASSERT_EQ(result.written.size(), 1u);
  EXPECT_FALSE(files.files.contains("tour-3.pnt"));
  EXPECT_EQ(boxes.shown.size(), 1u) << "the image told why";
}

TEST_F(PointConversionTest, CoordinatesAreWrittenInTheChosenDatum) {
  files.files["one.gpx"] = Waypoints(1);
  Convert("one.gpx", false, Datum::Wgs84);
  const std::string wgs84 = files.files.at("tour.pnt");
  Convert("one.gpx", false, Datum::Tokyo);
  const std::string tokyo = files.files.at("tour.pnt");
  const GeodeticPosition shifted = Wgs84ToTokyo({35.5, 139.5});
  const std::size_t longitude = offsetof(PointImageRecord, longitude);
  const std::size_t latitude = offsetof(PointImageRecord, latitude);
  EXPECT_EQ(SlotWord(wgs84, 0, latitude), DegreesToUnits(35.5));
  EXPECT_EQ(SlotWord(wgs84, 0, longitude), DegreesToUnits(139.5));
  EXPECT_EQ(SlotWord(tokyo, 0, latitude), DegreesToUnits(shifted.latitude));
  EXPECT_EQ(SlotWord(tokyo, 0, longitude), DegreesToUnits(shifted.longitude));
  EXPECT_EQ(static_cast<unsigned char>(tokyo.at(headerSize + offsetof(PointImageRecord, icon))), 7);
}

TEST_F(PointConversionTest, PointsOffTheEarthAreSkippedAndReported) {
  files.files["odd.gpx"] = Waypoints(1, 95.0);
  files.files["odd.gpx"].insert(files.files["odd.gpx"].find("</gpx>"),
                                "<wpt lat=\"35\" lon=\"139\"><name>ok</name></wpt>\n");
  ConversionResult result = Convert("odd.gpx");
  EXPECT_EQ(result.pointCount, 1u);
  ASSERT_EQ(reports.reports.size(), 1u);
  EXPECT_EQ(reports.reports[0].kind, ProblemKind::OutOfRange);
  EXPECT_EQ(reports.reports[0].point, 1u);
  EXPECT_EQ(reports.reports[0].name, "P1");
  EXPECT_EQ(SlotName(files.files.at("tour.pnt"), 0), "ok");
}

TEST_F(PointConversionTest, ListsThatCannotBeTakenAreToldAndWriteNothing) {
  files.files["bad.gpx"] = "<?xml version=\"1.0\"?>\n<gpx>\n<wpt>\n</gpx>";
  files.files["tracks.gpx"] =
      "<gpx><trk><trkseg><trkpt lat=\"1\" lon=\"2\"/><trkpt lat=\"1\" lon=\"3\"/></trkseg></trk></gpx>";
  files.files["places.kmz"] = "PK";
  const struct {
    const char* input;
    std::string runMessage;
    std::vector<std::string> appMessages;
  } cases[] = {
      {"bad.gpx", "ファイル bad.gpx の読み込みに失敗しました\n4 行目", {}},
      {"tracks.gpx",
       "ファイル tracks.gpx に変換できる地点がありません\nルートやトラックの点 (2 点)",
       {}},
      {"places.kmz",
       "ファイル places.kmz の読み込みに失敗しました\nKMZ (ZIP 形式のファイル) ではありません。",
       {}},
      {"missing.kml", "ファイル missing.kml の読み込みに失敗しました",
       {"ファイルが見つかりませんでした。"}},
  };
  for (const auto& c : cases) {
    runBoxes.shown.clear();
    boxes.shown.clear();
    ConversionResult result = Convert(c.input);
    EXPECT_NE(result.outcome, ConversionOutcome::Converted) << c.input;
    ASSERT_EQ(runBoxes.shown.size(), 1u) << c.input;
    EXPECT_EQ(runBoxes.shown[0].text.rfind(c.runMessage, 0), 0u) << runBoxes.shown[0].text;
    EXPECT_EQ(runBoxes.shown[0].caption, "ERROR");
    std::vector<std::string> app;
    for (const auto& shown : boxes.shown) app.push_back(shown.text);
    EXPECT_EQ(app, c.appMessages) << c.input;
  }
  EXPECT_FALSE(files.files.contains("tour.pnt"));
}

TEST_F(PointConversionTest, AListMadeForTheUnitTellsWhenItHoldsMore) {
  auto list = [](int count) {
    std::string text;
    for (int i = 0; i < count; ++i) text += "#P#a#b#13712345#3539276#c#d#e#f#10#11#12#N\r\n";
    return text;
  };
  files.files["full.pmf"] = list(201);
  files.files["exact.pmf"] = list(200);
  EXPECT_TRUE(Convert("full.pmf").pointsBeyondLimit);
  ConversionResult exact = Convert("exact.pmf");
  EXPECT_FALSE(exact.pointsBeyondLimit);
  EXPECT_EQ(exact.writtenCount, 200u);
}

// Apps keep a place they have no position for at 0, 0: its link gives the position when it can,
// else the place is passed over with what finds it again.
TEST_F(PointConversionTest, PlacesKeptWithoutAPositionTakeTheirLinksOrAreTold) {
  files.files["Saved Places.json"] = testing::Fixture("saved_places_takeout.json");
  const ConversionResult result = Convert("Saved Places.json");
  EXPECT_EQ(result.outcome, ConversionOutcome::Converted);
  EXPECT_EQ(result.writtenCount, 3u);
  const std::string& file = files.files.at("tour.pnt");
  EXPECT_EQ(SlotWord(file, 1, offsetof(PointImageRecord, latitude)), DegreesToUnits(22.194509));
  EXPECT_EQ(SlotName(file, 2), "Isezakicho Arcade");
  ASSERT_EQ(reports.reports.size(), 3u);
  EXPECT_EQ(reports.reports[0].kind, ProblemKind::NameCut);
  EXPECT_EQ(reports.reports[1].kind, ProblemKind::NoPosition);
  EXPECT_EQ(reports.reports[1].point, 3u);
  EXPECT_EQ(reports.reports[1].detail, testing::U8(u8"架空の喫茶店, 鎌倉市"));
  EXPECT_EQ(reports.reports[2].kind, ProblemKind::AccentsRemoved);
  EXPECT_EQ(reports.reports[2].detail, testing::U8(u8"\u014D"));  // ō
}

}  // namespace
}  // namespace pinmover
