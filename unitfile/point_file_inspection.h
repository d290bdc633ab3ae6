#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "problem/problem.h"
#include "unitfile/point_file_layout.h"

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
  SlotBytes record{};  // the whole slot, as the file holds it
};

struct PointFileInspection {
  std::uint64_t size = 0;
  std::string header;  // up to its first zero byte
  bool headerOk = false;
  std::vector<InspectedPoint> points;
  std::vector<Problem> problems;  // everything in it that a written file never has
};

// Reads a point file's first bytes (at most one whole image) together with the file's real
// size, and tells what it holds and everything in it that a written file never has.
PointFileInspection InspectPointFile(std::span<const std::uint8_t> bytes, std::uint64_t fileSize);

}  // namespace pinmover
