#pragma once

#include <string>

namespace pinmover {

// Decimal degrees with exactly 7 decimals (1 cm), never in exponent form, whatever the locale.
std::string CoordinateText(double degrees);

}  // namespace pinmover
