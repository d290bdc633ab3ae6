#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace pinmover {

// Whether a two-byte Shift-JIS character lies in JIS X 0208's rows (1 to 8 and 16 to 84), the
// only ones a unit can show: NEC's row 13, the IBM extensions and the user-defined area do not.
bool IsJisX0208Sjis(std::uint8_t first, std::uint8_t second);

// A unit's two-byte name unit as UTF-8; nothing when it is no JIS X 0208 character.
std::optional<std::string> JisPairToUtf8(std::uint8_t j1, std::uint8_t j2);

}  // namespace pinmover
