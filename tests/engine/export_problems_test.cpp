#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/point_export.h"
#include "tests/engine/exported_document_reader.h"
#include "tests/fakes/fake_clock.h"
#include "tests/fakes/fake_file_system.h"
#include "tests/fakes/shown_problems.h"
#include "tests/formats/format_test_files.h"
#include "text/decimal_degrees.h"
#include "unitfile/point_file_inspection.h"
#include "unitfile/point_image.h"

namespace pinmover {
namespace {

constexpr std::size_t nameAt = 12;
constexpr std::size_t latitudeAt = 8;

class DamagedExport : public ::testing::Test {
 protected:
  // Slot 0 a name of the characters each format escapes, slot 1 a name with a unit of a
  // vendor row and a control character (its checksum no longer fits), slot 2 beyond the
  // pole, slot 3 empty and slot 4 filled after it.
  void SetUp() override {
    const std::vector<std::string> names{"A<&\",>", "東京AB", "C", "", "D"};
    for (int i = 0; i < 5; ++i) {
      if (i == 3) continue;
      image.InitPoint(i);
      image.SetName(i, names[static_cast<std::size_t>(i)]);
      image.SetIcon(i, 12);
      image.SetVoice(i, 0x0020);
      image.SetLongitudeUnits(i, 1030000000);
      image.SetLatitudeUnits(i, i == 2 ? 737280001 : 263000000);
      image.Seal(i);
    }
    file.assign(image.Bytes().begin(), image.Bytes().end());
    Slot(1, nameAt + 2) = 0x2D;  // 京 becomes row 13's ①
    Slot(1, nameAt + 3) = 0x21;
    Slot(1, nameAt + 7) = 0x07;  // B becomes a bell
    files.files["damaged.pnt"] = file;
  }
  char& Slot(int slot, std::size_t offset) {
    return file.at(48 + 256 * static_cast<std::size_t>(slot) + offset);
  }

  testing::FakeFileSystem files;
  testing::FakeClock clock;
  PointImage image{files, clock};
  std::string file;
};

TEST_F(DamagedExport, ExportsWhatCanBeReadAndTellsTheRest) {
  const PointFileInspection dump = InspectPointFile(
      {reinterpret_cast<const std::uint8_t*>(file.data()), file.size()}, file.size());
  ASSERT_EQ(dump.points.size(), 3u);
  for (const Format* format : WrittenFormats()) {
    SCOPED_TRACE(format->name);
    const PointExport exported = ExportPointFile(files, "damaged.pnt", *format, Datum::Wgs84);
    ASSERT_FALSE(exported.failure);
    // The file's problems in dump's words, then what the export met.
    ASSERT_EQ(exported.problems.size(), dump.problems.size() + 3);
    EXPECT_TRUE(std::equal(dump.problems.begin(), dump.problems.end(), exported.problems.begin()));
    const std::vector<std::string> own = testing::PointFileWords(
        {exported.problems.begin() + static_cast<std::ptrdiff_t>(dump.problems.size()),
         exported.problems.end()});
    EXPECT_NE(own[0].find("枠 1: "), std::string::npos);
    EXPECT_NE(own[0].find("2D 21"), std::string::npos);
    EXPECT_NE(own[1].find("FF 07"), std::string::npos);
    EXPECT_EQ(own[2].rfind("枠 2: ", 0), 0u);

    EXPECT_EQ(exported.pointCount, 2u);
    const std::vector<testing::ReadBackPoint> points =
        testing::ReadExportedDocument(format->name, exported.document);
    ASSERT_EQ(points.size(), 2u);
    EXPECT_EQ(points[0].name, "A<&\",>");
    EXPECT_EQ(points[1].name, testing::U8(u8"東\uFFFDA\uFFFD"));
    EXPECT_EQ(points[1].icon, "12");
    EXPECT_EQ(points[1].voice, "2");
  }
}

TEST_F(DamagedExport, AVoiceCodeOutsideTheListIsWrittenAsItsNumber) {
  Slot(0, 150) = static_cast<char>(0x82);  // voice bits 0x0240
  Slot(0, 151) = 0x40;
  files.files["damaged.pnt"] = file;
  const PointExport exported =
      ExportPointFile(files, "damaged.pnt", *FormatNamed("geojson"), Datum::Wgs84);
  ASSERT_FALSE(exported.failure);
  const auto points = testing::ReadExportedDocument("geojson", exported.document);
  EXPECT_EQ(points[0].voice, "576");
  EXPECT_EQ(points[0].voiceText, "");
}

TEST_F(DamagedExport, AFailedWriteKeepsTheEarlierFileAndNamesIt) {
  files.files["out.gpx"] = "earlier";
  files.faults["out.gpx"].failAfterBytes = 10;
  const std::optional<Problem> failure = WriteDocument(files, "out.gpx", std::string(100, 'x'));
  ASSERT_TRUE(failure);
  EXPECT_EQ(files.files["out.gpx"], "earlier");
  const auto shown = testing::ShownProblem(*failure, files);
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_NE(shown[0].text.find("C:\\work\\out.gpx"), std::string::npos);
  EXPECT_EQ(files.openFiles, 0);
}

TEST(CoordinateText, SevenDecimalsNeverAnExponent) {
  const std::vector<std::pair<double, std::string>> cases{
      {0.0, "0.0000000"},
      {1e-7, "0.0000001"},
      {-4e-8, "0.0000000"},
      {1e-300, "0.0000000"},
      {35.65858051, "35.6585805"},
      {-179.99999996, "-180.0000000"},
      {139.74543165, "139.7454317"},
      {-0.5, "-0.5000000"},
  };
  for (const auto& [degrees, text] : cases) EXPECT_EQ(CoordinateText(degrees), text) << degrees;
}

}  // namespace
}  // namespace pinmover
