#pragma once

#include <benchmark/benchmark.h>
#include <sys/resource.h>

namespace pinmover {

// The most memory the process has held so far, as a counter beside the benchmark's times.
inline void PeakMemoryCounter(benchmark::State& state) {
  rusage usage{};
  ::getrusage(RUSAGE_SELF, &usage);
  state.counters["peak_rss_MiB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
}

}  // namespace pinmover
