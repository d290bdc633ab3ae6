#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <new>
#include <string>
#include <vector>

#include "formats/pmf/dms_text.h"
#include "platform/system_services.h"
#include "platform/text_encoding.h"
#include "unitfile/point_image.h"

namespace {

std::atomic<long> allocations{0};

}  // namespace

// Counted so that the benchmark shows what filling and writing allocate. Kept out of line:
// inlined, the compiler takes the pairing of malloc and free with new and delete for a mistake.
[[gnu::noinline]] void* operator new(std::size_t size) {
  allocations.fetch_add(1, std::memory_order_relaxed);
  if (void* memory = std::malloc(size == 0 ? 1 : size)) return memory;
  throw std::bad_alloc();
}
[[gnu::noinline]] void operator delete(void* memory) noexcept { std::free(memory); }
[[gnu::noinline]] void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }

namespace pinmover {
namespace {

constexpr int pointCount = 200;

struct Run {
  std::unique_ptr<FileSystem> disk = MakeSystemFileSystem();
  std::unique_ptr<Clock> clock = MakeSystemClock();
  PointImage image{*disk, *clock};
  std::vector<std::string> names;

  Run() {
    for (int i = 0; i < pointCount; ++i) names.push_back("ｺﾝﾋﾞﾆ駐車場 " + std::to_string(i));
  }

  void Fill() {
    image.Reset();
    for (int i = 0; i < pointCount; ++i) {
      image.InitPoint(i);
      image.SetName(i, names[static_cast<std::size_t>(i)]);
      image.SetIcon(i, 5);
      image.SetVoice(i, 0x0120);
      image.SetLongitudeUnits(i, DmsToUnits("135/30/45.1"));
      image.SetLatitudeUnits(i, DmsToUnits("034/39/12.5"));
      image.Seal(i);
    }
  }
};

void FillTwoHundredPoints(benchmark::State& state) {
  Run run;
  long before = allocations.load();
  for (auto _ : state) {
    run.Fill();
    benchmark::DoNotOptimize(run.image.Bytes().data());
  }
  state.counters["allocations"] = benchmark::Counter(
      static_cast<double>(allocations.load() - before), benchmark::Counter::kAvgIterations);
  state.SetItemsProcessed(state.iterations() * pointCount);
}
BENCHMARK(FillTwoHundredPoints);

void WriteImage(benchmark::State& state) {
  Run run;
  run.Fill();
  const auto folder = std::filesystem::temp_directory_path() / "pinmover-point-image-benchmark";
  std::filesystem::create_directories(folder);
  const std::u8string utf8 = (folder / "points.pnt").u8string();
  const std::string path = *Utf8ToSjis(std::string(utf8.begin(), utf8.end()));
  for (auto _ : state) {
    if (run.image.Write(path)) state.SkipWithError("the output could not be written");
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(pointFileSize));
  std::filesystem::remove_all(folder);
}
BENCHMARK(WriteImage)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace pinmover
