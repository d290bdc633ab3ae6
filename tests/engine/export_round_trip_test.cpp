#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "engine/datum_shift.h"
#include "engine/point_conversion.h"
#include "engine/point_export.h"
#include "platform/text_encoding.h"
#include "tests/engine/exported_document_reader.h"
#include "tests/fakes/fake_conversion_desk.h"
#include "tests/formats/format_test_files.h"
#include "unitfile/point_file_inspection.h"
#include "unitfile/voice_guidance_table.h"

namespace pinmover {
namespace {

// Where the three-parameter translation is meant to be used; far from it, the two directions
// of the shift drift apart.
bool OverJapan(const InspectedPoint& point) {
  const double latitude = UnitsToDegrees(point.latitudeUnits);
  const double longitude = UnitsToDegrees(point.longitudeUnits);
  return latitude > 20 && latitude < 46 && longitude > 122 && longitude < 154;
}

class ExportRoundTrip : public ::testing::Test, protected testing::FakeConversionDesk {
 protected:
  PointFileInspection Convert(const std::string& input, const std::string& output, Datum datum,
                              int icon = 1, int voice = 0) {
    ConversionRequest request;
    request.inputs = {{input, FormatForPath(input)}};
    request.outputPath = output;
    request.icon = icon;
    request.voiceCode = voiceGuidanceTable.at(static_cast<std::size_t>(voice)).code;
    request.datum = datum;
    ConversionResult result =
        ConvertPoints(formats, image, request, nullptr);
    EXPECT_EQ(result.outcome, ConversionOutcome::Converted) << input;
    const std::string& file = files.files[output];
    return InspectPointFile({reinterpret_cast<const std::uint8_t*>(file.data()), file.size()},
                            file.size());
  }

};

// Every import fixture that holds points, made into a point file, exported in every format and
// converted back with the same datum (and the run's icon and voice at their defaults), gives the
// same names, icons and voices, the same places within 2 units of 1/2048", and exported fields
// that say the original icon, voice and date.
TEST_F(ExportRoundTrip, KeepsWhatTheUnitHolds) {
  const std::vector<std::string> fixtures{
      "map_export.kml",           "phone_app.gpx",   "version_1_0.gpx", "saved_places.geojson",
      "mixed_geometries.geojson", "excel_cp932.csv", "utf8_bom.csv",
      "shared_formulas.gpx"};
  int variant = 0;
  for (const std::string& fixture : fixtures) {
    for (Datum datum : {Datum::Tokyo, Datum::Wgs84}) {
      SCOPED_TRACE(fixture + (datum == Datum::Tokyo ? " tokyo" : " wgs84"));
      const int icon = 1 + variant * 37 % 180;
      const int voice = variant++ % 17;
      const bool early = datum == Datum::Tokyo;
      clock.now =
          early ? LocalDateTime{2006, 6, 26, 14, 5, 9} : LocalDateTime{2031, 12, 1, 0, 0, 59};
      const std::string created = early ? "2006-06-26T14:05:09" : "2031-12-01T00:00:59";
      files.files[fixture] = testing::Fixture(fixture);
      const PointFileInspection original = Convert(fixture, "original.pnt", datum, icon, voice);
      ASSERT_FALSE(original.points.empty());

      for (const Format* format : WrittenFormats()) {
        SCOPED_TRACE(format->name);
        const PointExport exported = ExportPointFile(files, "original.pnt", *format, datum);
        ASSERT_FALSE(exported.failure);
        EXPECT_TRUE(exported.problems.empty());

        const std::vector<testing::ReadBackPoint> fields =
            testing::ReadExportedDocument(format->name, exported.document);
        ASSERT_EQ(fields.size(), original.points.size());
        for (const testing::ReadBackPoint& point : fields) {
          EXPECT_EQ(point.icon, std::to_string(icon));
          EXPECT_EQ(point.voice, std::to_string(voice));
          EXPECT_EQ(point.voiceText,
                    *SjisToUtf8(voiceGuidanceTable[static_cast<std::size_t>(voice)].text));
          EXPECT_EQ(point.created, created);
        }

        const std::string back = "back." + std::string(format->extensions.front());
        files.files[back] = exported.document;
        const PointFileInspection converted = Convert(back, "back.pnt", datum);
        ASSERT_EQ(converted.points.size(), original.points.size());
        for (std::size_t i = 0; i < original.points.size(); ++i) {
          const InspectedPoint& before = original.points[i];
          const InspectedPoint& after = converted.points[i];
          EXPECT_EQ(after.name, before.name) << i;
          EXPECT_EQ(after.icon, before.icon) << i;
          EXPECT_EQ(after.attributes, before.attributes) << i;
          if (datum == Datum::Tokyo && !OverJapan(before)) continue;
          EXPECT_LE(std::abs(after.latitudeUnits - before.latitudeUnits), 2) << i;
          EXPECT_LE(std::abs(after.longitudeUnits - before.longitudeUnits), 2) << i;
        }
      }
    }
  }
}

}  // namespace
}  // namespace pinmover
