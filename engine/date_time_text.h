#pragma once

#include <string>

#include "platform/clock.h"

namespace pinmover {

// "YYYY-MM-DD?HH:MM:SS" with the given separator, no time zone: a slot's local time as it is.
std::string DateTimeText(const LocalDateTime& time, char separator);

}  // namespace pinmover
