#include <benchmark/benchmark.h>

#include <string>

#include "engine/unit_name.h"

namespace {

std::string U8(const char8_t* text) { return reinterpret_cast<const char*>(text); }

// Names as map apps give them: Japanese text, plain ASCII, and text that loses characters.
void BM_MakeUnitName(benchmark::State& state, const std::string& name) {
  for (auto _ : state) benchmark::DoNotOptimize(pinmover::MakeUnitName(name));
}

BENCHMARK_CAPTURE(BM_MakeUnitName, japanese, U8(u8"東京スカイツリー 展望デッキ入口"));
BENCHMARK_CAPTURE(BM_MakeUnitName, ascii, std::string("Golden Gate Bridge Vista Point"));
BENCHMARK_CAPTURE(BM_MakeUnitName, missing, U8(u8"Café ① ラーメン🍜 髙島屋"));

}  // namespace
