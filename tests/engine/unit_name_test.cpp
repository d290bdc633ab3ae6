#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "engine/unit_name.h"
#include "unitfile/jis_x0208.h"

namespace pinmover {
namespace {

std::string U8(const char8_t* text) { return reinterpret_cast<const char*>(text); }

struct NameCase {
  const char* rule;
  std::string utf8;
  std::string sjis;  // expected; narrow literals are Shift-JIS
  bool cut = false;
  bool controlsReplaced = false;
  std::string missing = {};
  std::string unaccented = {};
};

// The same rows run natively (iconv) and under Wine (code page 932), so they also show that
// both platforms make the same bytes of the same name.
TEST(MakeUnitName, FollowsEveryNameRule) {
  const std::string nineteenUtf8 = U8(u8"あいうえおかきくけこさしすせそたちつて");
  const std::string nineteen = "あいうえおかきくけこさしすせそたちつて";
  const NameCase cases[] = {
      {"ASCII stays single-byte", "Tokyo Tower 2", "Tokyo Tower 2"},
      {"combining voiced mark", U8(u8"か\u3099き\u3099"), "がぎ"},
      {"combining semi-voiced mark", U8(u8"ハ\u309Aほ\u309A"), "パぽ"},
      {"ウ and ゝ take a voiced mark", U8(u8"ウ\u3099ゝ\u3099"), "ヴゞ"},
      {"no composed hiragana vu in JIS X 0208", U8(u8"う\u3099"), "う゛"},
      {"a mark with nothing to merge into", U8(u8"\u309AA"), "゜A"},
      {"half-width katakana widened", U8(u8"ｶﾞｲﾄﾞ ﾊﾟｰｸ ｳﾞ"), "ガイド パーク ヴ"},
      {"half-width kana with a combining mark", U8(u8"ｶ\u3099ｱﾞ"), "ガア゛"},
      {"tab and line breaks", U8(u8"東京\tタワー\r\n展望\n台"), "東京 タワー 展望 台", false, true},
      {"blanks trimmed at both ends", U8(u8" \u3000\t東京駅\u3000 \n"), "東京駅"},
      {"a zero byte is a control character", std::string("a\0b", 3), "a b", false, true},
      {"wave dash", U8(u8"\u301C"), "\x81\x60"},
      {"fullwidth tilde", U8(u8"\uFF5E"), "\x81\x60"},
      {"minus signs", U8(u8"\u2212\uFF0D"), "\x81\x7C\x81\x7C"},
      {"double vertical lines", U8(u8"\u2016\u2225"), "\x81\x61\x81\x61"},
      {"dashes", U8(u8"\u2014\u2015"), "\x81\x5C\x81\x5C"},
      {"cent signs", U8(u8"\u00A2\uFFE0"), "\x81\x91\x81\x91"},
      {"pound signs", U8(u8"\u00A3\uFFE1"), "\x81\x92\x81\x92"},
      {"not signs", U8(u8"\u00AC\uFFE2"), "\x81\xCA\x81\xCA"},
      {"yen sign and overline full-width", U8(u8"\u00A5\u203E"), "\x81\x8F\x81\x50"},
      {"accents removed", U8(u8"Café Kamakurakōkō-Mae"), "Cafe Kamakurakoko-M", true, false, "",
       U8(u8"éō")},
      {"combining marks go with their letter", U8(u8"Cafe\u0301 Isezakicho\u0304"),
       "Cafe Isezakicho", false, false, "", U8(u8"e\u0301o\u0304")},
      {"letters written as two", U8(u8"Straße Æbleø"), "Strasse AEbleo", false, false, "",
       U8(u8"ßÆø")},
      {"a letter written as two is kept whole or not at all", U8(u8"123456789012345678ß"),
       "123456789012345678", true},
      {"Greek and Cyrillic stay", U8(u8"Ωμέγα Д"), "Ωμ〓γα Д", false, false, U8(u8"έ")},
      {"emoji", U8(u8"ラーメン🍜"), "ラーメン〓", false, false, U8(u8"🍜")},
      {"outside the BMP", U8(u8"𠮷野家"), "〓野家", false, false, U8(u8"𠮷")},
      {"vendor extension rows", U8(u8"①㈱髙橋"), "〓〓〓橋", false, false, U8(u8"①㈱髙")},
      {"each changed character once", U8(u8"é-É-é-①-①"), "e-E-e-〓-〓", false, false,
       U8(u8"①"), U8(u8"éÉ")},
      {"no-break space has no Shift-JIS", U8(u8"a\u00A0b"), "a〓b", false, false, U8(u8"\u00A0")},
      {"19 characters", nineteenUtf8, nineteen},
      {"20 characters", nineteenUtf8 + U8(u8"と"), nineteen, true},
      {"trailing blanks do not make a name long", nineteenUtf8 + "  \t", nineteen},
      {"a cut drops the blanks before it", U8(u8"123456789012345678 X"), "123456789012345678", true},
      {"half-width pairs count once", U8(u8"ﾊﾟﾊﾟﾊﾟﾊﾟﾊﾟﾊﾟﾊﾟﾊﾟﾊﾟﾊﾟﾊﾟﾊﾟﾊﾟﾊﾟﾊﾟﾊﾟﾊﾟﾊﾟﾊﾟ"),
       "パパパパパパパパパパパパパパパパパパパ"},
      {"what follows the cut is not reported", nineteenUtf8 + U8(u8"é\t"), nineteen, true},
      {"empty", "", ""},
      {"blanks only", " \t ", ""},
      {"invalid bytes", "A\xFF" "B\xE3\x81", "A〓B〓", false, false, U8(u8"\uFFFD")},
      {"overlong form and surrogate", "\xC0\xAF\xED\xA0\x80", "〓〓〓〓〓", false, false,
       U8(u8"\uFFFD")},
  };
  for (const NameCase& c : cases) {
    SCOPED_TRACE(c.rule);
    const UnitName name = MakeUnitName(c.utf8);
    EXPECT_EQ(name.name, SlotName::FromSjis(c.sjis));
    EXPECT_EQ(name.cut, c.cut);
    EXPECT_EQ(name.controlsReplaced, c.controlsReplaced);
    EXPECT_EQ(name.missing, c.missing);
    EXPECT_EQ(name.unaccented, c.unaccented);
  }
}

// What export makes of a name unit, import turns back into the same unit.
TEST(MakeUnitName, KeepsEveryJisX0208CharacterThatExportWrites) {
  int characters = 0;
  for (int j1 = 0x21; j1 <= 0x7E; ++j1) {
    for (int j2 = 0x21; j2 <= 0x7E; ++j2) {
      const std::optional<std::string> utf8 =
          JisPairToUtf8(static_cast<std::uint8_t>(j1), static_cast<std::uint8_t>(j2));
      if (!utf8) continue;
      ++characters;
      const auto [first, second] =
          JisPairToSjis(static_cast<std::uint8_t>(j1), static_cast<std::uint8_t>(j2));
      const std::string sjis = {'<', static_cast<char>(first), static_cast<char>(second), '>'};
      ASSERT_EQ(MakeUnitName("<" + *utf8 + ">").name, SlotName::FromSjis(sjis)) << j1 << ' ' << j2;
    }
  }
  EXPECT_EQ(characters, 6879);  // all of JIS X 0208:1990
}

TEST(JisPairToUtf8, GivesOnlyJisX0208Characters) {
  const struct {
    std::uint8_t j1, j2;
    std::optional<std::string> utf8;
  } cases[] = {
      {0x24, 0x22, U8(u8"あ")},
      {0x21, 0x21, U8(u8"\u3000")},
      {0x21, 0x41, U8(u8"\uFF5E")},  // 〜 as both platforms decode it
      {0x74, 0x26, U8(u8"熙")},       // the last character
      {0x74, 0x27, std::nullopt},     // an empty cell
      {0x22, 0x2F, std::nullopt},     // an empty cell of row 2
      {0x2D, 0x21, std::nullopt},     // NEC row 13: ①
      {0x29, 0x21, std::nullopt},     // rows 9 to 15 are empty
      {0x75, 0x21, std::nullopt},     // past row 84: user-defined and IBM areas in Shift-JIS
      {0x30, 0x20, std::nullopt},
      {0x30, 0x7F, std::nullopt},
      {0xFF, 0x41, std::nullopt},     // the escape of a single-byte character
  };
  for (const auto& c : cases) {
    EXPECT_EQ(JisPairToUtf8(c.j1, c.j2), c.utf8) << int{c.j1} << ' ' << int{c.j2};
  }
}

}  // namespace
}  // namespace pinmover
