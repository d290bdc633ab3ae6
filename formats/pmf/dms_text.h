#pragma once

#include <cstdint>
#include <string_view>

namespace pinmover {

// A decimal integer read the way atoi reads one: leading white space, an optional sign, digits
// up to the first non-digit; no digits gives 0. Too many digits wrap around at 32 bits.
std::int32_t DecimalTextValue(std::string_view text);

// A list's coordinate text such as "135/30/45.1" (degrees, minutes, seconds, tenths) or
// "135/30/45123" (seconds in thousandths) as a count of 1/2048 arc-second. Out-of-range values
// wrap at 32 bits.
std::int32_t DmsToUnits(std::string_view dmsText);

}  // namespace pinmover
