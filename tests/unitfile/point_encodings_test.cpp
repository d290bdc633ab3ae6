#include "unitfile/point_encodings.h"

#include <gtest/gtest.h>

namespace pinmover {
namespace {

TEST(CreationStamp, PacksOneReadingsDateAndTime) {
  const LocalDateTime reading{2006, 6, 26, 14, 5, 9};
  EXPECT_EQ(CurrentDatePacked(reading), 0x06061Au);
  EXPECT_EQ(CurrentTimePacked(reading), 0x0E0509u);
}

TEST(CreationStamp, KeepsTheLowByteOfAYearBefore2000) {
  EXPECT_EQ(CurrentDatePacked({1999, 12, 31, 0, 0, 0}), 0xFF0C1Fu);
  EXPECT_EQ(CurrentDatePacked({1980, 1, 1, 0, 0, 0}), 0xEC0101u);
  EXPECT_EQ(CurrentDatePacked({2256, 1, 1, 0, 0, 0}), 0x000101u);
}

TEST(SlotChecksum, AddsTheWordsFromOffsetFourToOneHundredFiftyNine) {
  std::array<std::uint8_t, recordSize> slot{};
  slot[4] = 0x01;    // 0x01000000
  slot[159] = 0x02;  // last byte of the last word
  slot[7] = 0xFF;
  EXPECT_EQ(SlotChecksum(slot), 0x01000101u);
  for (std::size_t outside : {0u, 3u, 160u, 163u, 164u, 255u}) slot[outside] = 0xAB;
  EXPECT_EQ(SlotChecksum(slot), 0x01000101u);
}

}  // namespace
}  // namespace pinmover
