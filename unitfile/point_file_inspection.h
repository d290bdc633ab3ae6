#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "platform/clock.h"

namespace pinmover {

// One filled slot of a point file, as a navigation unit reads it.
struct InspectedPoint {
  int slot = 0;
  std::string name;  // Shift-JIS
  std::vector<std::uint8_t> nameUnits;  // the name's two-byte units as stored, up to its end
  std::int32_t longitudeUnits = 0;
  std::int32_t latitudeUnits = 0;
  std::uint8_t icon = 0;
  std::uint16_t attributes = 0;
  std::uint16_t voiceCode = 0;  // the attribute bits that carry the voice
  LocalDateTime created;
  std::uint32_t checksum = 0;
  bool checksumOk = false;
};

struct PointFileInspection {
  std::uint64_t size = 0;
  std::string header;  // up to its first zero byte
  bool headerOk = false;
  std::vector<InspectedPoint> points;
  std::vector<std::string> problems;  // Shift-JIS, one irregularity each
};

// Reads a point file's first bytes (at most one whole image) together with the file's real
// size, and tells what it holds and everything in it that a written file never has.
PointFileInspection InspectPointFile(std::span<const std::uint8_t> bytes, std::uint64_t fileSize);

// How a problem of one slot begins, so that every report names the slot alike.
std::string SlotProblemPrefix(int slot);

// The Shift-JIS pair of a JIS X 0208 code: the inverse of SjisToJisPair.
std::pair<std::uint8_t, std::uint8_t> JisPairToSjis(std::uint8_t j1, std::uint8_t j2);

}  // namespace pinmover
