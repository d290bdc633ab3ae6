#include "unitfile/point_encodings.h"

namespace pinmover {

namespace {

std::uint32_t LowByte(std::uint32_t value) { return value & 0xFFu; }

std::uint32_t PackBytes(std::uint32_t high, std::uint32_t middle, std::uint32_t low) {
  return LowByte(high) << 16 | LowByte(middle) << 8 | LowByte(low);
}

}  // namespace

std::array<std::uint8_t, 4> ToBigEndian32(std::uint32_t value) {
  return {static_cast<std::uint8_t>(value >> 24), static_cast<std::uint8_t>(value >> 16),
          static_cast<std::uint8_t>(value >> 8), static_cast<std::uint8_t>(value)};
}

std::uint32_t FromBigEndian32(std::span<const std::uint8_t, 4> bytes) {
  return static_cast<std::uint32_t>(bytes[0]) << 24 | static_cast<std::uint32_t>(bytes[1]) << 16 |
         static_cast<std::uint32_t>(bytes[2]) << 8 | bytes[3];
}

std::uint32_t CurrentDatePacked(const LocalDateTime& reading) {
  return PackBytes(static_cast<std::uint32_t>(reading.year) - 2000u,
                   static_cast<std::uint32_t>(reading.month),
                   static_cast<std::uint32_t>(reading.day));
}

std::uint32_t CurrentTimePacked(const LocalDateTime& reading) {
  return PackBytes(static_cast<std::uint32_t>(reading.hour),
                   static_cast<std::uint32_t>(reading.minute),
                   static_cast<std::uint32_t>(reading.second));
}

std::uint32_t SlotChecksum(std::span<const std::uint8_t, recordSize> slot) {
  std::uint32_t sum = 0;
  for (std::size_t offset = offsetof(PointImageRecord, longitude);
       offset < offsetof(PointImageRecord, checksum); offset += 4) {
    sum += FromBigEndian32(slot.subspan(offset).first<4>());
  }
  return sum;
}

}  // namespace pinmover
