#pragma once

#include <cstdint>
#include <optional>

#include "problem/problem.h"

namespace pinmover {

// What stopped a reader, and what it found besides the points it delivered.
struct ReadResult {
  std::optional<Problem> failure;  // the file could not be taken whole
  // Route and track points a GPX file holds besides its waypoints; they are not taken.
  std::uint64_t routeAndTrackPoints = 0;
  // A list made for the unit holds more points than one file takes; those are not read.
  bool pointsBeyondLimit = false;
};

}  // namespace pinmover
