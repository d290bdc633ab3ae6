// The GeoJSON reader on arbitrary bytes: every point or skipped item comes from an object of its
// own, names are UTF-8 and bounded, lines lie within the file, and a failure is one the reader
// may give for a file it could open.
#include <algorithm>
#include <cstdint>
#include <string>

#include "formats/geojson/geojson_features.h"
#include "formats/geojson/geojson_reader.h"
#include "tests/fakes/fake_file_system.h"
#include "tests/fakes/recording_point_sink.h"
#include "tests/fuzz/delivered_points_check.h"
#include "tests/fuzz/fuzz_check.h"
#include "text/utf8.h"

using namespace pinmover;
using namespace pinmover::testing;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  FakeFileSystem files;
  files.files["in.geojson"] = text;
  RecordingPointSink sink;
  ReadResult result = ReadGeoJson(files, "in.geojson", sink);

  const auto objects = static_cast<std::size_t>(std::count(text.begin(), text.end(), '{'));
  const auto lines = static_cast<std::uint64_t>(std::count(text.begin(), text.end(), '\n')) + 1;
  PINMOVER_FUZZ_CHECK(sink.points.size() + sink.skipped.size() <= objects);
  CheckDelivered(sink, GeoJsonFeatures::maxNameBytes, 1, lines);
  if (result.failure) {
    const Problem& failure = *result.failure;
    PINMOVER_FUZZ_CHECK(failure.kind == ProblemKind::NotWellFormed ||
                        failure.kind == ProblemKind::Refused);
    PINMOVER_FUZZ_CHECK(failure.line >= 1 && failure.line <= lines);
    PINMOVER_FUZZ_CHECK(!failure.detail.empty() && ValidUtf8(failure.detail) == failure.detail);
  }
  PINMOVER_FUZZ_CHECK(files.openFiles == 0);
  return 0;
}
