#include "engine/unit_name.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <iterator>
#include <optional>
#include <vector>

#include "platform/text_encoding.h"
#include "text/latin_base_letters.h"
#include "text/utf8.h"
#include "unitfile/jis_x0208.h"

namespace pinmover {

namespace {

using Unit = std::array<std::uint8_t, 2>;

// 〓, in JIS X 0208.
constexpr Unit missingMark = {0x22, 0x2E};
constexpr Unit space = {asciiUnitMark, ' '};
constexpr std::u8string_view invalidBytesShownAs = u8"\uFFFD";

constexpr char32_t ideographicSpace = 0x3000;
constexpr char32_t lineSeparator = 0x2028;
constexpr char32_t paragraphSeparator = 0x2029;
constexpr char32_t combiningVoicedMark = 0x3099;
constexpr char32_t combiningSemiVoicedMark = 0x309A;
constexpr char32_t spacingVoicedMark = 0x309B;
constexpr char32_t firstHalfWidthKatakana = 0xFF61;
constexpr char32_t lastHalfWidthKatakana = 0xFF9F;
constexpr char32_t halfWidthVoicedMark = 0xFF9E;
constexpr char32_t halfWidthSemiVoicedMark = 0xFF9F;
constexpr std::uint8_t firstHalfWidthKatakanaByte = 0xA1;
constexpr std::uint8_t halfWidthVoicedMarkByte = 0xDE;
constexpr std::uint8_t halfWidthSemiVoicedMarkByte = 0xDF;

// Code points that other systems give JIS X 0208 characters, mapped to the ones code page 932
// takes on Windows. glibc takes both of most pairs and Windows only its own, so deciding these
// here makes the same name the same bytes on both. glibc turns ¥ and ‾ into the ASCII
// backslash and tilde, Windows into nothing; JIS X 0208 has them full-width.
struct Alternative {
  char32_t given;
  char32_t converted;
};
constexpr std::array<Alternative, 9> alternatives = {{
    {0x301C, 0xFF5E},  // 〜
    {0x2212, 0xFF0D},  // −
    {0x2016, 0x2225},  // ‖
    {0x2014, 0x2015},  // ―
    {0x00A2, 0xFFE0},  // ¢
    {0x00A3, 0xFFE1},  // £
    {0x00AC, 0xFFE2},  // ¬
    {0x00A5, 0xFFE5},  // ¥
    {0x203E, 0xFFE3},  // ‾
}};

char32_t ConvertedCodePoint(char32_t given) {
  const auto* found = std::find_if(alternatives.begin(), alternatives.end(),
                                   [&](const Alternative& a) { return a.given == given; });
  return found == alternatives.end() ? given : found->converted;
}

bool IsControl(char32_t c) {
  return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == lineSeparator || c == paragraphSeparator;
}

bool IsCombiningMark(char32_t c) {
  return c == combiningVoicedMark || c == combiningSemiVoicedMark;
}

bool IsHalfWidthKatakana(char32_t c) {
  return c >= firstHalfWidthKatakana && c <= lastHalfWidthKatakana;
}

// The row of は, ひ, ふ, へ, ほ: each plain kana is followed by its voiced and semi-voiced form.
bool IsHaRow(char32_t hiragana) {
  return hiragana >= 0x306F && hiragana <= 0x307B && (hiragana - 0x306F) % 3 == 0;
}

// か to ち and つ, て, と: each plain kana is followed by its voiced form.
bool TakesVoicedMark(char32_t hiragana) {
  return (hiragana >= 0x304B && hiragana <= 0x3061 && hiragana % 2 == 1) ||
         (hiragana >= 0x3064 && hiragana <= 0x3068 && hiragana % 2 == 0) || IsHaRow(hiragana);
}

// The composed kana, when JIS X 0208 has it (ゔ and ヷ to ヺ it has not).
std::optional<char32_t> ComposedKana(char32_t base, char32_t mark) {
  constexpr char32_t katakanaOffset = 0x60;
  const bool katakana = base >= 0x30A1 && base <= 0x30F6;
  const char32_t hiragana = katakana ? base - katakanaOffset : base;
  if (mark == combiningSemiVoicedMark) {
    if (IsHaRow(hiragana)) return base + 2;
    return std::nullopt;
  }
  if (TakesVoicedMark(hiragana) || base == 0x309D || base == 0x30FD) return base + 1;  // ゝ ヽ
  if (base == 0x30A6) return 0x30F4;                                                   // ウ
  return std::nullopt;
}

std::uint8_t HalfWidthMarkByte(const DecodedCodePoint& next) {
  if (next.codePoint == halfWidthVoicedMark || next.codePoint == combiningVoicedMark) {
    return halfWidthVoicedMarkByte;
  }
  if (next.codePoint == halfWidthSemiVoicedMark || next.codePoint == combiningSemiVoicedMark) {
    return halfWidthSemiVoicedMarkByte;
  }
  return 0;
}

// The unit a character of code page 932 is, if the unit can show it.
std::optional<Unit> UnitOf(std::string_view sjis) {
  const auto first = static_cast<std::uint8_t>(sjis[0]);
  if (sjis.size() == 1 && first < 0x80) return Unit{asciiUnitMark, first};
  if (sjis.size() != 2) return std::nullopt;
  const auto second = static_cast<std::uint8_t>(sjis[1]);
  if (!IsJisX0208Sjis(first, second)) return std::nullopt;
  return SjisToJisPair(first, second);
}

struct NameCharacter {
  std::array<Unit, 2> units{};  // a letter such as ß takes two
  std::size_t unitCount = 1;
  std::string_view missing{};     // UTF-8, what became 〓; empty when the character converted
  std::string_view unaccented{};  // UTF-8, the letter that lost its accents
  bool blank = false;
  bool fromControl = false;
};

NameCharacter Single(Unit unit, std::string_view missing = {}) { return {{unit}, 1, missing}; }

bool IsCombiningDiacritic(char32_t c) { return c >= 0x0300 && c <= 0x036F; }

bool IsAsciiLetter(char32_t c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// Reads a name one unit character at a time: a kana with its mark and a CR LF pair are one.
class NameCharacters {
 public:
  explicit NameCharacters(std::string_view utf8) : text_(utf8) {}

  bool AtEnd() const { return offset_ >= text_.size(); }

  NameCharacter Next() {
    const std::size_t start = offset_;
    const DecodedCodePoint first = Take();
    if (!first.valid) {
      return Single(missingMark, {reinterpret_cast<const char*>(invalidBytesShownAs.data()),
                                  invalidBytesShownAs.size()});
    }
    const char32_t c = first.codePoint;
    const DecodedCodePoint next = Peek();
    if (IsControl(c)) {
      if (c == '\r' && next.codePoint == '\n') Take();  // one line break, one space
      NameCharacter blank = Single(space);
      blank.blank = blank.fromControl = true;
      return blank;
    }
    if (IsHalfWidthKatakana(c)) return Single(WidenedKatakana(c, next));
    if (std::optional<NameCharacter> letter = BaseLetters(c, start)) return *letter;
    char32_t shown = c;
    if (IsCombiningMark(next.codePoint)) {
      if (auto composed = ComposedKana(c, next.codePoint)) {
        shown = *composed;
        Take();
      }
    } else if (IsCombiningMark(c)) {
      shown = c - combiningVoicedMark + spacingVoicedMark;  // a mark with nothing to merge into
    }
    NameCharacter character =
        Converted(ConvertedCodePoint(shown), text_.substr(start, offset_ - start));
    character.blank = c == ' ' || c == ideographicSpace;
    return character;
  }

 private:
  DecodedCodePoint Take() {
    const DecodedCodePoint taken = DecodeUtf8At(text_, offset_);
    offset_ += taken.length;
    return taken;
  }

  DecodedCodePoint Peek() const {
    return AtEnd() ? DecodedCodePoint{} : DecodeUtf8At(text_, offset_);
  }

  // A Latin letter with accents or other marks, written as one character or with combining
  // marks after it, as the plain letters the unit can show.
  std::optional<NameCharacter> BaseLetters(char32_t c, std::size_t start) {
    std::optional<std::string_view> base = LatinBaseLetters(c);
    if (!base && IsAsciiLetter(c) && IsCombiningDiacritic(Peek().codePoint)) {
      base = text_.substr(start, 1);
    }
    if (!base) return std::nullopt;
    while (IsCombiningDiacritic(Peek().codePoint)) Take();
    NameCharacter letter{{}, base->size()};
    for (std::size_t i = 0; i < base->size(); ++i) {
      letter.units[i] = {asciiUnitMark, static_cast<std::uint8_t>((*base)[i])};
    }
    letter.unaccented = text_.substr(start, offset_ - start);
    return letter;
  }

  // The full-width kana that a list made for the unit gives a half-width one, its mark merged.
  Unit WidenedKatakana(char32_t c, const DecodedCodePoint& next) {
    const KatakanaUnit katakana = FullWidthKatakana(
        static_cast<std::uint8_t>(c - firstHalfWidthKatakana + firstHalfWidthKatakanaByte),
        HalfWidthMarkByte(next));
    if (katakana.bytesUsed == 2) Take();
    return katakana.unit;
  }

  static NameCharacter Converted(char32_t codePoint, std::string_view original) {
    std::string utf8;
    AppendUtf8(utf8, codePoint);
    std::optional<std::string> sjis = Utf8ToSjis(utf8);
    std::optional<Unit> unit = sjis && !sjis->empty() ? UnitOf(*sjis) : std::nullopt;
    if (!unit) return Single(missingMark, original);
    return Single(*unit);
  }

  std::string_view text_;
  std::size_t offset_ = 0;
};

}  // namespace

// Each character once, in order of first appearance; UTF-8 matches only at character
// boundaries, so a search finds whole characters.
void AddOnce(std::string& list, std::string_view characters) {
  if (!characters.empty() && list.find(characters) == std::string::npos) list += characters;
}

UnitName MakeUnitName(std::string_view utf8Name) {
  constexpr auto limit = static_cast<std::size_t>(maxNameCharacters);
  UnitName name;
  std::vector<NameCharacter> kept;
  std::size_t keptUnits = 0;
  // Blanks count only once something follows them; past the limit they cannot matter.
  std::vector<NameCharacter> blanks;
  std::size_t blankUnits = 0;
  NameCharacters characters(utf8Name);
  while (!characters.AtEnd()) {
    NameCharacter character = characters.Next();
    if (character.blank) {
      if (!kept.empty() && keptUnits + blankUnits < limit) {
        blankUnits += character.unitCount;
        blanks.push_back(std::move(character));
      }
      continue;
    }
    // A letter written as two is kept whole or not at all.
    if (keptUnits + blankUnits + character.unitCount > limit) {
      name.cut = true;
      break;
    }
    std::move(blanks.begin(), blanks.end(), std::back_inserter(kept));
    keptUnits += blankUnits + character.unitCount;
    blanks.clear();
    blankUnits = 0;
    kept.push_back(std::move(character));
  }
  for (const NameCharacter& character : kept) {
    for (std::size_t i = 0; i < character.unitCount; ++i) name.name.Append(character.units[i]);
    name.controlsReplaced = name.controlsReplaced || character.fromControl;
    AddOnce(name.missing, character.missing);
    AddOnce(name.unaccented, character.unaccented);
  }
  return name;
}

std::string SlotNameText(const SlotName& name) {
  std::string text;
  std::span<const std::uint8_t> units = name.Bytes();
  for (std::size_t i = 0; i + 1 < units.size(); i += 2) {
    text += NameUnitToUtf8(units[i], units[i + 1]).value_or(std::string(replacementCharacterUtf8));
  }
  return text;
}

}  // namespace pinmover
