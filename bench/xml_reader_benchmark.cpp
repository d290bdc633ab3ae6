#include <benchmark/benchmark.h>

#include <cstdint>
#include <fstream>
#include <string>

#include "bench/benchmark_files.h"
#include "platform/system_services.h"
#include "platform/xml_reader.h"

namespace pinmover {
namespace {

constexpr std::uint64_t oneGiB = std::uint64_t{1} << 30;

class IgnoringHandler : public XmlHandler {
 public:
  void StartElement(std::string_view, const XmlAttributes&, std::string_view) override {}
  void EndElement(std::string_view) override {}
  void Text(std::string_view) override {}
};

// Waypoints as a phone app exports them: coordinates, a time, a Japanese name, a description.
std::string Waypoints(std::size_t size) {
  std::string text;
  for (int i = 0; text.size() < size; ++i) {
    std::string n = std::to_string(i);
    text += "  <wpt lat=\"35.6" + n + "\" lon=\"139.7" + n + "\">\n" +
            "    <time>2026-12-01T09:30:00Z</time>\n" +
            reinterpret_cast<const char*>(u8"    <name>東京駅 丸の内口 ") + n + "</name>\n" +
            "    <desc>Stop &amp; look " + n + "</desc>\n  </wpt>\n";
  }
  return text;
}

void BM_ParseOneGiBGpx(benchmark::State& state) {
  TemporaryFolder folder;
  std::string path = folder.File("waypoints.gpx");
  std::uint64_t size = 0;
  {
    std::string block = Waypoints(std::size_t{1} << 20);
    std::ofstream out(path, std::ios::binary);
    std::string head = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<gpx version=\"1.1\">\n";
    out << head;
    size += head.size();
    for (; size < oneGiB; size += block.size()) out << block;
    out << "</gpx>\n";
    size += 7;
  }
  auto files = MakeSystemFileSystem();
  for (auto _ : state) {
    auto opened = files->OpenForReading(path);
    IgnoringHandler handler;
    if (!opened.file || ParseXml(*opened.file, handler)) state.SkipWithError("parse failed");
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * size));
  PeakMemoryCounter(state);
}
BENCHMARK(BM_ParseOneGiBGpx)->Iterations(2)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace pinmover
