#include "text/coordinate_text.h"

#include <charconv>

namespace pinmover {

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
