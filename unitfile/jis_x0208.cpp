#include "unitfile/jis_x0208.h"

#include "unitfile/point_encodings.h"
#include "unitfile/point_file_inspection.h"
#include "platform/text_encoding.h"

namespace pinmover {

namespace {

constexpr std::uint8_t firstCell = 0x21;
constexpr std::uint8_t lastCell = 0x7E;

bool IsCell(std::uint8_t code) { return code >= firstCell && code <= lastCell; }

bool IsJisX0208Row(std::uint8_t j1) {
  const int row = j1 - 0x20;
  return (row >= 1 && row <= 8) || (row >= 16 && row <= 84);
}

}  // namespace

bool IsJisX0208Sjis(std::uint8_t first, std::uint8_t second) {
  const bool lead = (first >= 0x81 && first <= 0x9F) || (first >= 0xE0 && first <= 0xEF);
  const bool trail = second >= 0x40 && second <= 0xFC && second != 0x7F;
  return lead && trail && IsJisX0208Row(SjisToJisPair(first, second)[0]);
}

std::optional<std::string> JisPairToUtf8(std::uint8_t j1, std::uint8_t j2) {
  if (!IsCell(j1) || !IsCell(j2) || !IsJisX0208Row(j1)) return std::nullopt;
  const auto [first, second] = JisPairToSjis(j1, j2);
  const char sjis[] = {static_cast<char>(first), static_cast<char>(second)};
  // The converter refuses the cells JIS X 0208 leaves empty.
  return SjisToUtf8({sjis, sizeof sjis});
}

}  // namespace pinmover
