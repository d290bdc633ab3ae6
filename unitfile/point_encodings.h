#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "platform/clock.h"
#include "unitfile/point_file_layout.h"

namespace pinmover {

std::array<std::uint8_t, 4> ToBigEndian32(std::uint32_t value);
std::uint32_t FromBigEndian32(std::span<const std::uint8_t, 4> bytes);

// The date and the time of one clock reading, packed as the slot setters take them.
std::uint32_t CurrentDatePacked(const LocalDateTime& reading);
std::uint32_t CurrentTimePacked(const LocalDateTime& reading);

// The sum of the big-endian words from the longitude up to the checksum.
std::uint32_t SlotChecksum(std::span<const std::uint8_t, recordSize> slot);

}  // namespace pinmover
