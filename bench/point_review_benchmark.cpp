// The point list window's model on a GPX of 100 000 waypoints, a third of them with names longer
// than the unit shows: reading it into rows (what the user waits for before the window opens),
// drawing every cell once, and a rename, which finds every duplicate again.
#include <cstdint>
#include <fstream>
#include <memory>
#include <string>

#include "bench/benchmark_files.h"
#include "formats/pmf/point_list_reader.h"
#include "platform/system_services.h"
#include "ui/dialog/point_review.h"

namespace pinmover {
namespace {

constexpr int pointCount = 100000;

std::string Utf8(std::u8string_view text) { return {text.begin(), text.end()}; }

std::string Waypoints() {
  std::string text = "<gpx version=\"1.1\" xmlns=\"http://www.topografix.com/GPX/1/1\">\n";
  for (int i = 0; i < pointCount; ++i) {
    const std::string name =
        i % 3 == 0 ? Utf8(u8"Kamakurakōkō-Mae Station East Exit ") : Utf8(u8"東京タワー ");
    text += "<wpt lat=\"" + std::to_string(35 + i % 1000 * 0.001) + "\" lon=\"" +
            std::to_string(139 + i / 1000 * 0.001) + "\"><name>" + name + std::to_string(i) +
            "</name></wpt>\n";
  }
  return text + "</gpx>\n";
}

class ReviewOfAList : public benchmark::Fixture {
 public:
  void SetUp(benchmark::State&) override {
    std::ofstream(folder.File("points.gpx"), std::ios::binary) << Waypoints();
  }

  TemporaryFolder folder;
  std::unique_ptr<FileSystem> files = MakeSystemFileSystem();
  PointListReader reader{*files};
  FormatContext formats{*files, reader};
};

BENCHMARK_DEFINE_F(ReviewOfAList, Open)(benchmark::State& state) {
  for (auto _ : state) {
    PointReview review(formats, Datum::Tokyo, folder.File("points.pnt"), "pinmover");
    if (review.AddList(folder.File("points.gpx"))) state.SkipWithError("Read failed");
    benchmark::DoNotOptimize(review.RowCount());
  }
  PeakMemoryCounter(state);
}
BENCHMARK_REGISTER_F(ReviewOfAList, Open)->Unit(benchmark::kMillisecond)->Iterations(3);

BENCHMARK_DEFINE_F(ReviewOfAList, DrawEveryCellAndRename)(benchmark::State& state) {
  PointReview review(formats, Datum::Tokyo, folder.File("points.pnt"), "pinmover");
  if (review.AddList(folder.File("points.gpx"))) state.SkipWithError("Read failed");
  for (auto _ : state) {
    std::uint64_t bytes = 0;
    for (std::size_t row = 0; row < review.RowCount(); ++row) {
      for (int column = 0; column < reviewColumnCount; ++column) {
        bytes += review.Cell(row, static_cast<ReviewColumn>(column)).size();
      }
    }
    review.Rename(0, "Home");
    benchmark::DoNotOptimize(bytes);
  }
}
BENCHMARK_REGISTER_F(ReviewOfAList, DrawEveryCellAndRename)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

}  // namespace
}  // namespace pinmover
