// The export of an arbitrary point file: whatever its bytes, every format's document reads back
// through the program's own readers without a failure or a skipped item, with as many points as
// were exported, and all four give the same names and places.
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>

#include "engine/point_export.h"
#include "formats/csv/csv_reader.h"
#include "formats/geojson/geojson_reader.h"
#include "formats/gpx/gpx_reader.h"
#include "formats/kml/kml_reader.h"
#include "tests/fakes/fake_file_system.h"
#include "tests/fakes/recording_point_sink.h"
#include "tests/fuzz/fuzz_check.h"
#include "unitfile/point_file_layout.h"

using namespace pinmover;
using namespace pinmover::testing;

namespace {

template <ReadResult (*read)(FileSystem&, const std::string&, PointSink&)>
RecordingPointSink ReadBack(const std::string& document) {
  FakeFileSystem files;
  files.files["doc"] = document;
  RecordingPointSink sink;
  const ReadResult result = read(files, "doc", sink);
  PINMOVER_FUZZ_CHECK(!result.failure);
  PINMOVER_FUZZ_CHECK(sink.skipped.empty());
  return sink;
}

RecordingPointSink ReadBack(std::string_view format, const std::string& document) {
  if (format == "gpx") return ReadBack<ReadGpx>(document);
  if (format == "kml") return ReadBack<ReadKml>(document);
  if (format == "geojson") return ReadBack<ReadGeoJson>(document);
  return ReadBack<ReadCsv>(document);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  // The first byte chooses the datum and whether a right header comes before the rest, so that
  // short inputs reach the slots.
  std::string file;
  if (data[0] & 1) file.append(pointFileSignature, sizeof pointFileSignature).resize(headerSize);
  file.append(reinterpret_cast<const char*>(data) + 1, size - 1);
  const Datum datum = (data[0] & 2) != 0 ? Datum::Tokyo : Datum::Wgs84;

  FakeFileSystem files;
  files.files["in.pnt"] = file;
  std::optional<RecordingPointSink> first;
  for (const Format* format : WrittenFormats()) {
    const PointExport exported = ExportPointFile(files, "in.pnt", *format, datum);
    PINMOVER_FUZZ_CHECK(!exported.failure);
    const RecordingPointSink read = ReadBack(format->name, exported.document);
    PINMOVER_FUZZ_CHECK(read.points.size() == exported.pointCount);
    if (!first) {
      first = read;
      continue;
    }
    for (std::size_t i = 0; i < read.points.size(); ++i) {
      const MapPoint& a = first->points[i];
      const MapPoint& b = read.points[i];
      PINMOVER_FUZZ_CHECK(a.name == b.name);
      PINMOVER_FUZZ_CHECK(a.latitude == b.latitude && a.longitude == b.longitude);
      PINMOVER_FUZZ_CHECK(std::fabs(a.latitude) <= 90 && std::fabs(a.longitude) <= 180);
    }
  }
  PINMOVER_FUZZ_CHECK(files.openFiles == 0);
  return 0;
}
