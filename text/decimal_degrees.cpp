#include "text/decimal_degrees.h"

#include <charconv>
#include <cmath>

#include "text/blanks.h"

namespace pinmover {

std::optional<double> ParseDecimalDegrees(std::string_view text) {
  // Blanks as every text is trimmed, an ideographic space from a Japanese keyboard among them.
  text = TrimBlanks(text);
  // from_chars takes no plus sign, which some exporters write before eastern longitudes.
  if (text.size() > 1 && text.front() == '+' && text[1] != '-') text.remove_prefix(1);
  double value = 0;
  const auto [end, error] =
      std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::general);
  if (error != std::errc{} || end != text.data() + text.size() || !std::isfinite(value)) {
    return std::nullopt;
  }
  return value;
}

std::string CoordinateText(double degrees) {
  char text[32];
  // Degrees never pass ±180, so the fixed form always fits.
  const auto [end, error] =
      std::to_chars(text, text + sizeof text, degrees, std::chars_format::fixed, 7);
  std::string_view written(text, error == std::errc{} ? static_cast<std::size_t>(end - text) : 0);
  // A value that rounds to zero is not written as "-0.0000000".
  if (written == "-0.0000000") written.remove_prefix(1);
  return std::string(written);
}

}  // namespace pinmover
