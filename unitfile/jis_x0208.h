#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>

namespace pinmover {

// One two-byte Shift-JIS character as its JIS X 0208 row and cell bytes, every result taken
// modulo 256.
std::array<std::uint8_t, 2> SjisToJisPair(std::uint8_t first, std::uint8_t second);
// The Shift-JIS pair of a JIS X 0208 code: the inverse of SjisToJisPair.
std::pair<std::uint8_t, std::uint8_t> JisPairToSjis(std::uint8_t j1, std::uint8_t j2);

// Whether a two-byte Shift-JIS character lies in JIS X 0208's rows (1 to 8 and 16 to 84), the
// only ones a unit can show: NEC's row 13, the IBM extensions and the user-defined area do not.
bool IsJisX0208Sjis(std::uint8_t first, std::uint8_t second);

// A unit's two-byte name unit as UTF-8; nothing when it is no JIS X 0208 character.
std::optional<std::string> JisPairToUtf8(std::uint8_t j1, std::uint8_t j2);
// A name unit as UTF-8: a JIS X 0208 character, or a printable ASCII one after asciiUnitMark;
// nothing for any other unit.
std::optional<std::string> NameUnitToUtf8(std::uint8_t high, std::uint8_t low);

// The full-width JIS X 0208 character of a half-width katakana byte (0xA1 to 0xDF), with the
// voiced or semi-voiced mark byte that may follow it merged where a full-width one exists.
struct KatakanaUnit {
  std::array<std::uint8_t, 2> unit;
  std::size_t bytesUsed;  // 2 when the mark was merged
};
bool IsHalfWidthKatakanaByte(std::uint8_t byte);
KatakanaUnit FullWidthKatakana(std::uint8_t byte, std::uint8_t next);

// Encodes a Shift-JIS name (ending at its first zero byte) as two-byte units: ASCII bytes as
// 0xFF and the byte, half-width katakana as their full-width JIS X 0208 characters, every
// other character through SjisToJisPair. Stops when units is full or a lone lead byte ends
// the name. Returns the number of bytes stored.
std::size_t EncodeName(std::string_view sjisName, std::span<std::uint8_t> units);

}  // namespace pinmover
