#include "unitfile/jis_x0208.h"

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

}  // namespace
}  // namespace pinmover
