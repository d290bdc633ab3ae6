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

constexpr std::nullopt_t none = std::nullopt;

INSTANTIATE_TEST_SUITE_P(
    Letters, LatinBaseLettersTest,
    ::testing::Values(
        // Decomposed into a base letter and marks, some of them more than once.
        LetterCase{U'é', "e"}, LetterCase{U'ō', "o"}, LetterCase{U'ü', "u"}, LetterCase{U'ñ', "n"},
        LetterCase{U'ç', "c"}, LetterCase{U'å', "a"}, LetterCase{U'À', "A"}, LetterCase{U'Ō', "O"},
        LetterCase{U'ǖ', "u"}, LetterCase{U'ệ', "e"}, LetterCase{U'Ự', "U"}, LetterCase{U'ẛ', "s"},
        // Without a decomposition: named after a marked letter, listed, or a listed one's capital.
        LetterCase{U'ø', "o"}, LetterCase{U'Ø', "O"}, LetterCase{U'ł', "l"}, LetterCase{U'Ł', "L"},
        LetterCase{U'đ', "d"}, LetterCase{U'Đ', "D"}, LetterCase{U'Ħ', "H"}, LetterCase{U'Ŀ', "L"},
        LetterCase{U'Ɓ', "B"}, LetterCase{U'Ɖ', "D"}, LetterCase{U'ı', "i"}, LetterCase{U'ß', "ss"},
        LetterCase{U'ẞ', "SS"}, LetterCase{U'æ', "ae"}, LetterCase{U'Æ', "AE"},
        LetterCase{U'ǽ', "ae"}, LetterCase{U'œ', "oe"}, LetterCase{U'Œ', "OE"},
        LetterCase{U'þ', "th"}, LetterCase{U'Þ', "TH"}, LetterCase{U'ð', "d"},
        LetterCase{U'ŋ', "ng"},
        // Digraphs and ligatures of two plain letters.
        LetterCase{U'Ǆ', "DZ"}, LetterCase{U'ǅ', "Dz"}, LetterCase{U'ǆ', "dz"},
        LetterCase{U'ǈ', "Lj"}, LetterCase{U'ĳ', "ij"},
        // No Latin letter with marks.
        LetterCase{U'a', none}, LetterCase{U'Z', none}, LetterCase{U'α', none},
        LetterCase{U'д', none}, LetterCase{U'×', none}, LetterCase{U'÷', none},
        LetterCase{U'°', none}, LetterCase{U'´', none}, LetterCase{U'¨', none},
        LetterCase{U'µ', none}, LetterCase{U'ª', none}, LetterCase{U'\u0301', none},
        LetterCase{U'東', none}, LetterCase{0x110000, none}));

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
