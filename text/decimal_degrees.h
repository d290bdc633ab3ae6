#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace pinmover {

// A coordinate written as decimal degrees ("35.6586", "-0.5", "+139", "1.5e-5" as some tools
// write small numbers), blanks around it allowed. Nothing for anything else, infinities and NaN
// included: those are no place. Every format reads its coordinates with this one rule.
std::optional<double> ParseDecimalDegrees(std::string_view text);

// Decimal degrees with exactly 7 decimals (1 cm), never in exponent form, whatever the locale.
std::string CoordinateText(double degrees);

}  // namespace pinmover
