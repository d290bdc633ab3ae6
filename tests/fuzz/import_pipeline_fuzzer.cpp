// The pipeline between a reader and the point file on arbitrary points: every point it keeps
// fits a slot (a name of at most 19 characters the unit can show, coordinates in range), no
// batch is larger than a file, and every point taken lands in exactly one batch.
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>

#include "engine/import_pipeline.h"
#include "tests/fuzz/fuzz_check.h"
#include "wording/point_problem_text.h"

using namespace pinmover;

namespace {

class CountingReports : public ProblemSink {
 public:
  void Report(const Problem& report) override {
    PINMOVER_FUZZ_CHECK(!PointProblemText(report).empty());
  }
};

void CheckBatch(std::span<const UnitPoint> batch) {
  PINMOVER_FUZZ_CHECK(batch.size() <= static_cast<std::size_t>(maxPointsPerFile));
  for (const UnitPoint& point : batch) {
    PINMOVER_FUZZ_CHECK(point.name.Characters() <= maxNameCharacters);
    PINMOVER_FUZZ_CHECK(std::abs(static_cast<std::int64_t>(point.latitudeUnits)) <=
                        90LL * 3600 * unitsPerArcSecond + 1);
  }
}

double Take(const std::uint8_t*& data, std::size_t& size) {
  double value = 0;
  if (size >= sizeof value) {
    std::memcpy(&value, data, sizeof value);
    data += sizeof value;
    size -= sizeof value;
  }
  return value;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::uint64_t handedOn = 0;
  CountingReports reports;
  const Datum datum = size > 0 && (data[0] & 1) ? Datum::Tokyo : Datum::Wgs84;
  ImportPipeline pipeline(datum, &reports, DuplicateRule::Kept, [&](std::span<const UnitPoint> batch) {
    PINMOVER_FUZZ_CHECK(batch.size() == static_cast<std::size_t>(maxPointsPerFile));
    CheckBatch(batch);
    handedOn += batch.size();
  });
  // Each point: a name length byte, the name, then latitude and longitude as raw doubles.
  while (size > 0) {
    const std::size_t length = std::min<std::size_t>(data[0], size - 1);
    MapPoint point;
    point.name.assign(reinterpret_cast<const char*>(data) + 1, length);
    data += 1 + length;
    size -= 1 + length;
    point.latitude = Take(data, size);
    point.longitude = Take(data, size);
    pipeline.Add(point);
  }
  CheckBatch(pipeline.Batch());
  PINMOVER_FUZZ_CHECK(handedOn + pipeline.Batch().size() == pipeline.PointCount());
  return 0;
}
