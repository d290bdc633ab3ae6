#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "text/utf8.h"
#include "tests/fakes/recording_point_sink.h"
#include "tests/fuzz/fuzz_check.h"

namespace pinmover::testing {

// What any reader delivers holds: UTF-8 names of bounded length, lines within the file, and
// never a point made for the unit.
inline void CheckDelivered(const RecordingPointSink& sink, std::size_t maxNameBytes,
                           std::uint64_t firstLine, std::uint64_t lastLine) {
  auto acceptable = [&](const std::string& name, std::uint64_t line) {
    return ValidUtf8(name) == name && name.size() <= maxNameBytes && line >= firstLine &&
           line <= lastLine;
  };
  for (const MapPoint& point : sink.points) {
    PINMOVER_FUZZ_CHECK(acceptable(point.name, point.line));
  }
  for (const SkippedItem& item : sink.skipped) {
    PINMOVER_FUZZ_CHECK(acceptable(item.name, item.line));
  }
  PINMOVER_FUZZ_CHECK(sink.unitPoints.empty());
}

}  // namespace pinmover::testing
