#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "unitfile/point_file_layout.h"
#include "platform/clock.h"

namespace pinmover {

std::array<std::uint8_t, 4> ToBigEndian32(std::uint32_t value);

// A decimal integer read the way atoi reads one: leading white space, an optional sign, digits
// up to the first non-digit; no digits gives 0. Too many digits wrap around at 32 bits.
std::int32_t DecimalTextValue(std::string_view text);

// A coordinate such as "135/30/45.1" (degrees, minutes, seconds, tenths) or "135/30/45123"
// (seconds in thousandths) as a count of 1/2048 arc-second. Out-of-range values wrap at 32 bits.
std::int32_t DmsToUnits(std::string_view dmsText);

// One two-byte Shift-JIS character as its JIS X 0208 row and cell bytes.
std::array<std::uint8_t, 2> SjisToJisPair(std::uint8_t first, std::uint8_t second);

// Encodes a Shift-JIS name (ending at its first zero byte) as two-byte units: ASCII bytes as
// 0xFF and the byte, half-width katakana as their full-width JIS X 0208 characters, every
// other character through SjisToJisPair. Stops when units is full or a lone lead byte ends
// the name. Returns the number of bytes stored.
std::size_t EncodeName(std::string_view sjisName, std::span<std::uint8_t> units);

// The date and the time of one clock reading, packed as the slot setters take them.
std::uint32_t CurrentDatePacked(const LocalDateTime& reading);
std::uint32_t CurrentTimePacked(const LocalDateTime& reading);

// The sum of the big-endian words from the longitude up to the checksum.
std::uint32_t SlotChecksum(std::span<const std::uint8_t, recordSize> slot);

}  // namespace pinmover
