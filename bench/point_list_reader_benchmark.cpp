#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "bench/benchmark_files.h"
#include "formats/pmf/point_list_reader.h"
#include "platform/system_services.h"

namespace pinmover {
namespace {

namespace fs = std::filesystem;

constexpr std::uint64_t twoGiB = std::uint64_t{2} << 30;

// A reader on the real disk.
struct DiskReader {
  std::unique_ptr<FileSystem> files = MakeSystemFileSystem();
  PointListReader reader{*files};
};

std::string TypicalList() {
  std::string text = "Point list\r\n";
  for (int i = 0; i < PointListReader::maxRecords; ++i) {
    std::string n = std::to_string(i);
    text += "#P" + n + "#0#0#" + std::to_string(13912345 + i * 37) + "#" +
            std::to_string(3541234 + i * 53) + "#0#0#0#0#Tokyo#13101#Chiyoda#Station " + n +
            "\tnote#00#1#2#Shop#Open 9-21#03-1234-5678#" +
            "http://example.com/#Main gate#20060315123045#Memo#End\r\n";
  }
  return text;
}

// Whole lines of ordinary text, none of them a record line, filling exactly size bytes.
std::string TextLines(std::size_t size) {
  std::string text;
  for (int i = 0; text.size() < size; ++i) {
    text += "log entry " + std::to_string(i) + ": nothing to see here, " +
            std::string(static_cast<std::size_t>(i % 61), '.') + "\n";
  }
  text.resize(size);
  text.back() = '\n';
  return text;
}

void BM_LoadTypicalList(benchmark::State& state) {
  TemporaryFolder folder;
  std::string path = folder.File("typical.pmf");
  std::string text = TypicalList();
  std::ofstream(path, std::ios::binary) << text;
  DiskReader disk;
  for (auto _ : state) {
    if (disk.reader.Load(path)) state.SkipWithError("Load failed");
  }
  state.counters["file_bytes"] = static_cast<double>(text.size());
  state.counters["records"] = disk.reader.GetCount();
}
BENCHMARK(BM_LoadTypicalList)->Unit(benchmark::kMicrosecond);

void BM_ScanTwoGiBWithoutRecords(benchmark::State& state) {
  TemporaryFolder folder;
  std::string path = folder.File("lines.pmf");
  {
    std::string block = TextLines(std::size_t{1} << 20);
    std::ofstream out(path, std::ios::binary);
    for (std::uint64_t written = 0; written < twoGiB; written += block.size()) out << block;
  }
  DiskReader disk;
  disk.reader.Load(path);  // brings the file into the page cache
  for (auto _ : state) {
    if (disk.reader.Load(path) || disk.reader.GetCount() != 0) state.SkipWithError("Load");
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * twoGiB));
  PeakMemoryCounter(state);
}
BENCHMARK(BM_ScanTwoGiBWithoutRecords)->Iterations(3)->Unit(benchmark::kMillisecond);

void BM_LoadTwoGiBWithEarlyNul(benchmark::State& state) {
  TemporaryFolder folder;
  std::string path = folder.File("nul.pmf");
  {
    std::string start = TextLines(1024);
    start[500] = '\0';
    std::ofstream(path, std::ios::binary) << start << TypicalList();
  }
  fs::resize_file(path, twoGiB);  // the rest reads as zeros without taking disk space
  DiskReader disk;
  for (auto _ : state) {
    if (disk.reader.Load(path)) state.SkipWithError("Load failed");
  }
  PeakMemoryCounter(state);
}
BENCHMARK(BM_LoadTwoGiBWithEarlyNul)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace pinmover
