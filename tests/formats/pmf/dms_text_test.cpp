#include "formats/pmf/dms_text.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "unitfile/point_encodings.h"

namespace pinmover {
namespace {

TEST(DmsToUnits, ConvertsTheWorkedExamples) {
  EXPECT_EQ(DmsToUnits("135/30/45.1"), 999106765);
  EXPECT_EQ(ToBigEndian32(static_cast<std::uint32_t>(DmsToUnits("135/30/45.1"))),
            (std::array<std::uint8_t, 4>{0x3B, 0x8D, 0x28, 0xCD}));
  EXPECT_EQ(ToBigEndian32(static_cast<std::uint32_t>(DmsToUnits("034/39/12.5"))),
            (std::array<std::uint8_t, 4>{0x0F, 0x3A, 0x84, 0x00}));
}

TEST(DmsToUnits, ReadsSecondsOfSixtyOrMoreAsThousandths) {
  EXPECT_EQ(DmsToUnits("135/30/45123"), 999106812);
  EXPECT_EQ(DmsToUnits("135/30/45123.9"), 999106812);  // the fraction token is then ignored
}

TEST(DmsToUnits, RoundsTheFractionHalfUp) {
  EXPECT_EQ(DmsToUnits("0/0/0.244"), 500);
  EXPECT_EQ(DmsToUnits("0/0/0.245"), 502);
}

TEST(DmsToUnits, ReadsTheFractionAsItsFirstThreeDigits) {
  EXPECT_EQ(DmsToUnits("0/0/0.1"), DmsToUnits("0/0/0.100"));
  EXPECT_EQ(DmsToUnits("0/0/0.12"), DmsToUnits("0/0/0.120"));
  EXPECT_EQ(DmsToUnits("0/0/0.1256"), DmsToUnits("0/0/0.125"));
}

TEST(DmsToUnits, TakesMissingTokensAsZero) {
  EXPECT_EQ(DmsToUnits("135/30"), (135 * 3600 + 30 * 60) * 2048);
  EXPECT_EQ(DmsToUnits(""), 0);
  EXPECT_EQ(DmsToUnits("north"), 0);
}

TEST(DmsToUnits, SplitsAtAnyRunOfDelimiters) {
  EXPECT_EQ(DmsToUnits(" 135' 30,,45.1\n"), 999106765);
  EXPECT_EQ(DmsToUnits("135\t30 45 1"), 999106765);
}

TEST(DmsToUnits, SignsEachPartOnItsOwn) {
  EXPECT_EQ(DmsToUnits("-135/30/45.1"), (-135 * 3600 + 30 * 60 + 45) * 2048 + 205);
}

TEST(DmsToUnits, LooksAtTheFirstThirtyTwoCharactersOnly) {
  const std::string padding(26, ' ');
  EXPECT_EQ(DmsToUnits(padding + "135/30/45.1"), (135 * 3600 + 30 * 60) * 2048);
}

TEST(DmsToUnits, WrapsHugeValuesAtThirtyTwoBits) {
  EXPECT_EQ(DmsToUnits("999999999/0/0"), static_cast<std::int32_t>(999999999u * 3600u * 2048u));
  EXPECT_EQ(
      DmsToUnits("9999999999999"),
      static_cast<std::int32_t>(static_cast<std::uint32_t>(9999999999999ull) * 3600u * 2048u));
  // Degrees and minutes of -2^31 vanish modulo 2^32; 9999 seconds and 999 thousandths remain.
  EXPECT_EQ(DmsToUnits("-2147483648/-2147483648/9999999"), 9999 * 2048 + 2046);
}

}  // namespace
}  // namespace pinmover
