#include "unitfile/point_encodings.h"

#include <gtest/gtest.h>

#include <vector>

namespace pinmover {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Encoded(std::string_view name) {
  Bytes units(2 * name.size());
  units.resize(EncodeName(name, units));
  return units;
}

Bytes Pair(std::string_view sjisCharacter) {
  auto pair = SjisToJisPair(static_cast<std::uint8_t>(sjisCharacter[0]),
                            static_cast<std::uint8_t>(sjisCharacter[1]));
  return {pair.begin(), pair.end()};
}

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

TEST(SjisToJisPair, TransformsTheWorkedExamples) {
  EXPECT_EQ(Pair("\x82\xA0"), (Bytes{0x24, 0x22}));
  EXPECT_EQ(Pair("\x83\x41"), (Bytes{0x25, 0x22}));
  EXPECT_EQ(Pair("\x8A\xBF"), (Bytes{0x34, 0x41}));
  EXPECT_EQ(Pair("\xE0\x40"), (Bytes{0x5F, 0x21}));  // first bytes from 0xE0 on
}

TEST(EncodeName, EscapesAsciiAndTransformsDoubleByteCharacters) {
  EXPECT_EQ(Encoded("AB"), (Bytes{0xFF, 0x41, 0xFF, 0x42}));
  EXPECT_EQ(Encoded("A\x82\xA0\t"), (Bytes{0xFF, 0x41, 0x24, 0x22, 0xFF, 0x09}));
}

TEST(EncodeName, EndsAtTheFirstZeroByteAndDropsALoneLeadByte) {
  EXPECT_EQ(Encoded(std::string_view("A\0B", 3)), (Bytes{0xFF, 0x41}));
  EXPECT_EQ(Encoded("A\x82"), (Bytes{0xFF, 0x41}));
  EXPECT_EQ(Encoded(std::string_view("A\x82\0B", 4)), (Bytes{0xFF, 0x41}));
}

TEST(EncodeName, StopsWhenTheBufferIsFull) {
  std::array<std::uint8_t, 4> units{};
  EXPECT_EQ(EncodeName("ABC", units), 4u);
  EXPECT_EQ(units, (std::array<std::uint8_t, 4>{0xFF, 0x41, 0xFF, 0x42}));
  std::array<std::uint8_t, 3> odd{};
  EXPECT_EQ(EncodeName("ABC", odd), 2u);
}

// Each half-width katakana, 0xA1 to 0xDF, against its full-width form as the compiler's own
// code page writes it.
TEST(EncodeName, GivesHalfWidthKatakanaTheirFullWidthCharacters) {
  const std::string_view halfWidth =
      "｡｢｣､･ｦｧｨｩｪｫｬｭｮｯｰｱｲｳｴｵｶｷｸｹｺｻｼｽｾｿﾀﾁﾂﾃﾄﾅﾆﾇﾈﾉﾊﾋﾌﾍﾎﾏﾐﾑﾒﾓﾔﾕﾖﾗﾘﾙﾚﾛﾜﾝﾞﾟ";
  const std::string_view fullWidth =
      "。「」、・ヲァィゥェォャュョッーアイウエオカキクケコサシスセソタチツテトナニヌネノハヒフヘ"
      "ホマミムメモヤユヨラリルレロワン゛゜";
  ASSERT_EQ(halfWidth.size(), 63u);
  ASSERT_EQ(fullWidth.size(), 126u);
  for (std::size_t i = 0; i < halfWidth.size(); ++i) {
    ASSERT_EQ(static_cast<std::uint8_t>(halfWidth[i]), 0xA1 + i);
    EXPECT_EQ(Encoded(halfWidth.substr(i, 1)), Pair(fullWidth.substr(2 * i, 2))) << "byte " << i;
  }
}

TEST(EncodeName, MergesSoundMarksWhereAFullWidthCharacterHasThem) {
  EXPECT_EQ(Encoded("ｶﾞｷﾞｸﾞｹﾞｺﾞｻﾞｼﾞｽﾞｾﾞｿﾞﾀﾞﾁﾞﾂﾞﾃﾞﾄﾞﾊﾞﾋﾞﾌﾞﾍﾞﾎﾞ"),
            Encoded("ガギグゲゴザジズゼゾダヂヅデドバビブベボ"));
  EXPECT_EQ(Encoded("ﾊﾟﾋﾟﾌﾟﾍﾟﾎﾟｳﾞ"), Encoded("パピプペポヴ"));
  EXPECT_EQ(Encoded("ﾃﾞｨｽｸA"), Encoded("ディスクA"));
}

TEST(EncodeName, KeepsMarksThatCannotMergeAsCharactersOfTheirOwn) {
  EXPECT_EQ(Encoded("ｱﾞｶﾟﾜﾞﾟﾞ"), Encoded("ア゛カ゜ワ゛゜゛"));
  EXPECT_EQ(Encoded("ｶﾞﾞ"), Encoded("ガ゛"));
}

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
