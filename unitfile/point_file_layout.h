#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace pinmover {

// The point file as the navigation unit reads it: a header, then fixed 256-byte slots. Every
// field is plain bytes, so the structs have no padding and fix the offsets; numbers of more
// than one byte are big-endian. Every number of the format is named here and nowhere else.
struct PointImageHeader {
  std::array<std::uint8_t, 26> signature;  // the text below and its terminating zero
  std::array<std::uint8_t, 22> reserved;
};

inline constexpr char pointFileSignature[] = "Clarion Point Data Format";

struct PointImageRecord {
  std::array<std::uint8_t, 4> inUse;      // 1 in a filled slot
  std::array<std::uint8_t, 4> longitude;  // signed, 1/2048 arc-second
  std::array<std::uint8_t, 4> latitude;
  std::array<std::uint8_t, 40> name;  // JIS X 0208 units, zero-terminated
  std::array<std::uint8_t, 97> unused1;
  std::uint8_t icon;
  std::array<std::uint8_t, 2> attributes;   // bit 15 always set, bits 5-9 the voice code
  std::array<std::uint8_t, 3> createdTime;  // hour, minute, second
  std::array<std::uint8_t, 3> createdDate;  // year - 2000, month, day
  std::array<std::uint8_t, 2> unused2;
  std::array<std::uint8_t, 4> checksum;  // sum of the words from longitude to unused2
  std::array<std::uint8_t, 92> unused3;
};

inline constexpr std::size_t headerSize = sizeof(PointImageHeader);
inline constexpr std::size_t recordSize = sizeof(PointImageRecord);
// One slot's bytes, as a file holds them.
using SlotBytes = std::array<std::uint8_t, recordSize>;
inline constexpr int slotCount = 250;
inline constexpr std::size_t pointFileSize = headerSize + slotCount * recordSize;
// A file holds this many points; the slots after them stay empty.
inline constexpr int maxPointsPerFile = 200;

// The name keeps 19 two-byte units; two zero bytes always follow them.
inline constexpr std::size_t nameUnitBytes = 38;
inline constexpr int maxNameCharacters = static_cast<int>(nameUnitBytes / 2);
// The first byte of a unit that holds an ASCII character in its second byte.
inline constexpr std::uint8_t asciiUnitMark = 0xFF;

// Coordinates count 1/2048 of an arc-second.
inline constexpr std::int32_t unitsPerArcSecond = 2048;

// The icons a unit has, numbered from 1.
inline constexpr int minIcon = 1;
inline constexpr int maxIcon = 180;

// The attribute bit every filled slot has, and the bits that carry the voice code.
inline constexpr std::uint16_t filledSlotAttribute = 0x8000;
inline constexpr std::uint16_t voiceAttributeBits = 0x03E0;

inline constexpr std::string_view pointFileExtension = "pnt";

static_assert(sizeof(pointFileSignature) == sizeof(PointImageHeader::signature));
static_assert(headerSize == 48);
static_assert(recordSize == 256);
static_assert(pointFileSize == 64048);
static_assert(offsetof(PointImageRecord, inUse) == 0);
static_assert(offsetof(PointImageRecord, longitude) == 4);
static_assert(offsetof(PointImageRecord, latitude) == 8);
static_assert(offsetof(PointImageRecord, name) == 12);
static_assert(offsetof(PointImageRecord, unused1) == 52);
static_assert(offsetof(PointImageRecord, icon) == 149);
static_assert(offsetof(PointImageRecord, attributes) == 150);
static_assert(offsetof(PointImageRecord, createdTime) == 152);
static_assert(offsetof(PointImageRecord, createdDate) == 155);
static_assert(offsetof(PointImageRecord, unused2) == 158);
static_assert(offsetof(PointImageRecord, checksum) == 160);
static_assert(offsetof(PointImageRecord, unused3) == 164);
static_assert(nameUnitBytes + 2 == sizeof(PointImageRecord::name));

}  // namespace pinmover
