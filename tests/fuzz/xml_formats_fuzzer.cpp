// The GPX and KML readers on arbitrary documents: whatever the bytes, the reader returns, every
// point it gives is backed by an element of its own in the input, and a failure gives no cause
// of a file that was never opened.
#include <algorithm>
#include <cstdint>
#include <string>

#include "formats/gpx/gpx_reader.h"
#include "formats/kml/kml_reader.h"
#include "tests/fakes/fake_file_system.h"
#include "tests/fuzz/fuzz_check.h"

using namespace pinmover;

namespace {

class CountingSink : public PointSink {
 public:
  std::size_t delivered = 0;
  void Add(const MapPoint& point) override {
    ++delivered;
    PINMOVER_FUZZ_CHECK(point.name.size() <= 4096);
  }
  void Add(const UnitPoint&) override { PINMOVER_FUZZ_CHECK(false); }
  void Skip(const SkippedItem&) override { ++delivered; }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  testing::FakeFileSystem files;
  files.files["list"] = std::string(reinterpret_cast<const char*>(data) + 1, size - 1);
  CountingSink sink;
  ReadResult result;
  if (data[0] & 1) {
    result = ReadKml(files, "list", sink);
  } else {
    result = ReadGpx(files, "list", sink);
  }
  const std::string& text = files.files["list"];
  // Each point or skipped item closes an element, and each element starts with '<' (a
  // document in UTF-16 has as many of them in its other byte order at most).
  const auto openings = static_cast<std::size_t>(std::count(text.begin(), text.end(), '<'));
  PINMOVER_FUZZ_CHECK(sink.delivered <= std::max<std::size_t>(openings, size / 4));
  PINMOVER_FUZZ_CHECK(!result.failure || result.failure->kind != ProblemKind::ListOpenFailed);
  PINMOVER_FUZZ_CHECK(files.openFiles == 0);
  return 0;
}
