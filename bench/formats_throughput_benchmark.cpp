// Throughput and peak memory of the GeoJSON and CSV readers on a 1 GiB file from the page cache.
// The peak counts for the whole process, so run each benchmark on its own:
//   point_formats_benchmark --benchmark_filter=GeoJson
//   point_formats_benchmark --benchmark_filter=CsvUtf8
//   point_formats_benchmark --benchmark_filter=CsvCp932
#include <cstdint>
#include <fstream>
#include <memory>
#include <string>
#include <string_view>

#include "bench/benchmark_files.h"
#include "formats/csv/csv_reader.h"
#include "formats/geojson/geojson_reader.h"
#include "platform/system_services.h"

namespace pinmover {
namespace {

constexpr std::uint64_t oneGiB = std::uint64_t{1} << 30;

class CountingSink : public PointSink {
 public:
  std::uint64_t points = 0;
  std::uint64_t skipped = 0;
  void Add(const MapPoint&) override { ++points; }
  void Add(const UnitPoint&) override { ++points; }
  void Skip(const SkippedItem&) override { ++skipped; }
};

// Narrow literals are code page 932; the files a map app writes are UTF-8.
std::string Utf8(std::u8string_view text) { return {text.begin(), text.end()}; }

std::string Coordinates(int i) {
  return std::to_string(35 + i % 7) + "." + std::to_string(100000 + i % 899999) + "," +
         std::to_string(135 + i % 5) + "." + std::to_string(100000 + (i * 7) % 899999);
}

// A feature as a map app writes it, one of each ten a line rather than a point.
std::string Feature(int i) {
  std::string geometry = i % 10 == 9
      ? R"({"type": "LineString", "coordinates": [[139.1, 35.1], [139.2, 35.2]]})"
      : R"({"type": "Point", "coordinates": [)" + Coordinates(i) + "]}";
  return R"({"type": "Feature", "properties": {"name": ")" + Utf8(u8"東京タワー ") +
         std::to_string(i) + R"(", "description": ")" + Utf8(u8"展望台、営業時間 9:00-23:00") +
         R"(", "marker-color": "#ff0000"}, "geometry": )" + geometry + "}";
}

// A row of a spreadsheet's export; narrow literals make it code page 932, as Excel saves it.
std::string Cp932Row(int i) {
  return "\"店 " + std::to_string(i) + ", 本店\"," + Coordinates(i) +
         ",東京都港区芝公園4-2-8,03-0000-0000\r\n";
}

std::string Utf8Row(int i) {
  return Utf8(u8"\"店 ") + std::to_string(i) + Utf8(u8", 本店\",") + Coordinates(i) +
         Utf8(u8",東京都港区芝公園4-2-8,03-0000-0000\r\n");
}

// Writes head, then pieces until the file holds a gibibyte, then tail.
template <class Piece>
void WriteGiB(const std::string& path, const std::string& head, Piece piece,
              const std::string& tail) {
  std::ofstream out(path, std::ios::binary);
  out << head;
  std::uint64_t written = head.size();
  std::string block;
  for (int i = 0; written < oneGiB; ++i) {
    block += piece(i);
    if (block.size() >= (1u << 20)) {
      out << block;
      written += block.size();
      block.clear();
    }
  }
  out << block << tail;
}

template <ReadResult (*read)(FileSystem&, const std::string&, PointSink&)>
void ReadGiB(benchmark::State& state, const std::string& path) {
  std::unique_ptr<FileSystem> files = MakeSystemFileSystem();
  CountingSink sink;
  for (auto _ : state) {
    sink = {};
    if (read(*files, path, sink).failure) state.SkipWithError("Read failed");
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * oneGiB));
  state.counters["points"] = static_cast<double>(sink.points);
  state.counters["skipped"] = static_cast<double>(sink.skipped);
  PeakMemoryCounter(state);
}

void BM_GeoJsonGiB(benchmark::State& state) {
  TemporaryFolder folder;
  std::string path = folder.File("points.geojson");
  WriteGiB(path, "{\"type\": \"FeatureCollection\", \"features\": [\n",
           [](int i) { return Feature(i) + ",\n"; }, Feature(-1) + "\n]}\n");
  ReadGiB<ReadGeoJson>(state, path);
}
BENCHMARK(BM_GeoJsonGiB)->Iterations(2)->Unit(benchmark::kMillisecond);

// A UTF-8 file is read whole twice: once to find it is UTF-8 throughout, once for its points.
void BM_CsvUtf8GiB(benchmark::State& state) {
  TemporaryFolder folder;
  std::string path = folder.File("points.csv");
  WriteGiB(path, Utf8(u8"名称,緯度,経度,住所,電話\r\n"), Utf8Row, "");
  ReadGiB<ReadCsv>(state, path);
}
BENCHMARK(BM_CsvUtf8GiB)->Iterations(2)->Unit(benchmark::kMillisecond);

void BM_CsvCp932GiB(benchmark::State& state) {
  TemporaryFolder folder;
  std::string path = folder.File("points.csv");
  WriteGiB(path, "名称,緯度,経度,住所,電話\r\n", Cp932Row, "");
  ReadGiB<ReadCsv>(state, path);
}
BENCHMARK(BM_CsvCp932GiB)->Iterations(2)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace pinmover
