#include "text/latin_base_letters.h"

#include <gtest/gtest.h>

#include <optional>
#include <string_view>

namespace pinmover {
namespace {

struct LetterCase {
  char32_t letter;
  std::optional<std::string_view> baseLetters;
};

class LatinBaseLettersTest : public ::testing::TestWithParam<LetterCase> {};

TEST_P(LatinBaseLettersTest, GivesThePlainLetters) {
  const LetterCase& letter = GetParam();
  EXPECT_EQ(LatinBaseLetters(letter.letter), letter.baseLetters)
      << "U+" << std::hex << static_cast<unsigned>(letter.letter);
}

INSTANTIATE_TEST_SUITE_P(
    Marked, LatinBaseLettersTest,
    ::testing::Values(LetterCase{U'é', "e"}, LetterCase{U'ō', "o"}, LetterCase{U'ü', "u"},
                      LetterCase{U'ñ', "n"}, LetterCase{U'ç', "c"}, LetterCase{U'å', "a"},
                      LetterCase{U'À', "A"}, LetterCase{U'Ō', "O"}, LetterCase{U'Ç', "C"},
                      LetterCase{U'ǖ', "u"},  // two marks over u
                      LetterCase{U'ệ', "e"}, LetterCase{U'Ự', "U"}, LetterCase{U'ẛ', "s"},
                      LetterCase{U'Ɓ', "B"}, LetterCase{U'Ɖ', "D"}));

INSTANTIATE_TEST_SUITE_P(
    WithoutDecomposition, LatinBaseLettersTest,
    ::testing::Values(LetterCase{U'ß', "ss"}, LetterCase{U'ẞ', "SS"}, LetterCase{U'æ', "ae"},
                      LetterCase{U'Æ', "AE"}, LetterCase{U'ǽ', "ae"}, LetterCase{U'œ', "oe"},
                      LetterCase{U'Œ', "OE"}, LetterCase{U'ø', "o"}, LetterCase{U'Ø', "O"},
                      LetterCase{U'ł', "l"}, LetterCase{U'Ł', "L"}, LetterCase{U'đ', "d"},
                      LetterCase{U'Đ', "D"}, LetterCase{U'ı', "i"}, LetterCase{U'þ', "th"},
                      LetterCase{U'Þ', "TH"}, LetterCase{U'ð', "d"}, LetterCase{U'ŋ', "ng"},
                      LetterCase{U'Ħ', "H"}, LetterCase{U'Ŀ', "L"}));

INSTANTIATE_TEST_SUITE_P(Digraphs, LatinBaseLettersTest,
                         ::testing::Values(LetterCase{U'Ǆ', "DZ"}, LetterCase{U'ǅ', "Dz"},
                                           LetterCase{U'ǆ', "dz"}, LetterCase{U'ǈ', "Lj"},
                                           LetterCase{U'ĳ', "ij"}));

INSTANTIATE_TEST_SUITE_P(
    NotLatinLetters, LatinBaseLettersTest,
    ::testing::Values(LetterCase{U'a', std::nullopt}, LetterCase{U'Z', std::nullopt},
                      LetterCase{U'α', std::nullopt}, LetterCase{U'д', std::nullopt},
                      LetterCase{U'×', std::nullopt}, LetterCase{U'÷', std::nullopt},
                      LetterCase{U'°', std::nullopt}, LetterCase{U'´', std::nullopt},
                      LetterCase{U'¨', std::nullopt}, LetterCase{U'µ', std::nullopt},
                      LetterCase{U'ª', std::nullopt}, LetterCase{U'\u0301', std::nullopt},
                      LetterCase{U'東', std::nullopt}, LetterCase{0x110000, std::nullopt}));

// Every letter the table knows lies in the Latin blocks and becomes text the unit shows as is.
TEST(LatinBaseLettersTableTest, GivesOnlyAsciiLettersForTheLatinBlocks) {
  for (char32_t c = 0; c <= 0x10FFFF; ++c) {
    const std::optional<std::string_view> letters = LatinBaseLetters(c);
    if (!letters) continue;
    EXPECT_TRUE((c >= 0xC0 && c <= 0x24F) || (c >= 0x1E00 && c <= 0x1EFF))
        << "U+" << std::hex << static_cast<unsigned>(c);
    EXPECT_FALSE(letters->empty());
    for (char letter : *letters) {
      EXPECT_TRUE((letter >= 'A' && letter <= 'Z') || (letter >= 'a' && letter <= 'z') ||
                  letter == '\'')
          << "U+" << std::hex << static_cast<unsigned>(c);
    }
  }
}

}  // namespace
}  // namespace pinmover
