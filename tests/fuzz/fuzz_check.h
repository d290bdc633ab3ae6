#pragma once

#include <cstdio>
#include <cstdlib>

namespace pinmover::testing {

// A property broken on some input: the process aborts, so that libFuzzer keeps the input and
// the corpus replay of the unit tests fails on it.
[[noreturn]] inline void FuzzPropertyBroken(const char* condition, const char* file, int line) {
  std::fprintf(stderr, "%s:%d: property broken: %s\n", file, line, condition);
  std::abort();
}

}  // namespace pinmover::testing

// Unlike assert, it also checks in release builds.
#define PINMOVER_FUZZ_CHECK(condition)                                                        \
  ((condition) ? void()                                                                       \
               : ::pinmover::testing::FuzzPropertyBroken(#condition, __FILE__, __LINE__))
