#pragma once

#include <vector>

#include "platform/clock.h"

namespace pinmover::testing {

// A clock that shows a set time, or a list of times one reading after another.
class FakeClock : public Clock {
 public:
  LocalDateTime now{2006, 6, 26, 14, 5, 9};
  std::vector<LocalDateTime> upcoming;
  int readings = 0;

  LocalDateTime Now() override {
    ++readings;
    if (!upcoming.empty()) {
      now = upcoming.front();
      upcoming.erase(upcoming.begin());
    }
    return now;
  }
};

}  // namespace pinmover::testing
