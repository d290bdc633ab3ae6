#pragma once

#include <optional>
#include <string_view>

namespace pinmover {

// A coordinate written as decimal degrees ("35.6586", "-0.5", "+139"), blanks around it allowed.
// Nothing for anything else, including infinities and NaN: those are no place.
std::optional<double> ParseDecimalDegrees(std::string_view text);

}  // namespace pinmover
