#include "unitfile/jis_x0208.h"

#include "platform/text_encoding.h"
#include "unitfile/point_file_layout.h"

namespace pinmover {

namespace {

constexpr std::uint8_t firstCell = 0x21;
constexpr std::uint8_t lastCell = 0x7E;

bool IsCell(std::uint8_t code) { return code >= firstCell && code <= lastCell; }

bool IsJisX0208Row(std::uint8_t j1) {
  const int row = j1 - 0x20;
  return (row >= 1 && row <= 8) || (row >= 16 && row <= 84);
}

// Full-width JIS X 0208 codes of the half-width katakana 0xA1 to 0xDF, in byte order.
constexpr std::uint8_t firstHalfWidthKatakana = 0xA1;
constexpr std::uint8_t lastHalfWidthKatakana = 0xDF;
constexpr std::array<std::uint16_t, 63> fullWidthKatakana = {
    0x2123, 0x2156, 0x2157, 0x2122, 0x2126, 0x2572, 0x2521,  // ｡｢｣､･ｦｧ
    0x2523, 0x2525, 0x2527, 0x2529, 0x2563, 0x2565, 0x2567,  // ｨｩｪｫｬｭｮ
    0x2543, 0x213C, 0x2522, 0x2524, 0x2526, 0x2528, 0x252A,  // ｯｰｱｲｳｴｵ
    0x252B, 0x252D, 0x252F, 0x2531, 0x2533, 0x2535, 0x2537,  // ｶｷｸｹｺｻｼ
    0x2539, 0x253B, 0x253D, 0x253F, 0x2541, 0x2544, 0x2546,  // ｽｾｿﾀﾁﾂﾃ
    0x2548, 0x254A, 0x254B, 0x254C, 0x254D, 0x254E, 0x254F,  // ﾄﾅﾆﾇﾈﾉﾊ
    0x2552, 0x2555, 0x2558, 0x255B, 0x255E, 0x255F, 0x2560,  // ﾋﾌﾍﾎﾏﾐﾑ
    0x2561, 0x2562, 0x2564, 0x2566, 0x2568, 0x2569, 0x256A,  // ﾒﾓﾔﾕﾖﾗﾘ
    0x256B, 0x256C, 0x256D, 0x256F, 0x2573, 0x212B, 0x212C,  // ﾙﾚﾛﾜﾝﾞﾟ
};
static_assert(fullWidthKatakana.size() == lastHalfWidthKatakana - firstHalfWidthKatakana + 1);

constexpr std::uint8_t halfWidthU = 0xB3;
constexpr std::uint16_t fullWidthVu = 0x2574;
constexpr std::uint8_t voicedMark = 0xDE;
constexpr std::uint8_t semiVoicedMark = 0xDF;

// In JIS X 0208 the voiced forms of ｶ to ﾄ and ﾊ to ﾎ directly follow the plain one, and the
// semi-voiced forms of ﾊ to ﾎ come next.
bool TakesVoicedMark(std::uint8_t b) {
  return (b >= 0xB6 && b <= 0xC4) || (b >= 0xCA && b <= 0xCE);
}
bool TakesSemiVoicedMark(std::uint8_t b) { return b >= 0xCA && b <= 0xCE; }

KatakanaUnit Unit(std::uint16_t code, std::size_t bytesUsed) {
  return {{static_cast<std::uint8_t>(code >> 8), static_cast<std::uint8_t>(code)}, bytesUsed};
}

}  // namespace

std::array<std::uint8_t, 2> SjisToJisPair(std::uint8_t first, std::uint8_t second) {
  const unsigned c1 = first;
  const unsigned c2 = second;
  const unsigned row = 2 * (c1 - (c1 < 0xA0 ? 0x81u : 0xC1u));
  if (c2 < 0x9F) {
    return {static_cast<std::uint8_t>(row + 0x21),
            static_cast<std::uint8_t>(c2 > 0x7F ? c2 - 0x20 : c2 - 0x1F)};
  }
  return {static_cast<std::uint8_t>(row + 0x22), static_cast<std::uint8_t>(c2 - 0x7E)};
}

std::pair<std::uint8_t, std::uint8_t> JisPairToSjis(std::uint8_t j1, std::uint8_t j2) {
  unsigned first = ((j1 - 0x21u) >> 1) + 0x81u;
  if (first > 0x9F) first += 0x40;
  unsigned second = (j1 & 1) != 0 ? j2 + 0x1Fu + (j2 >= 0x60 ? 1u : 0u) : j2 + 0x7Eu;
  return {static_cast<std::uint8_t>(first), static_cast<std::uint8_t>(second)};
}

bool IsJisX0208Sjis(std::uint8_t first, std::uint8_t second) {
  const bool lead = (first >= 0x81 && first <= 0x9F) || (first >= 0xE0 && first <= 0xEF);
  const bool trail = second >= 0x40 && second <= 0xFC && second != 0x7F;
  return lead && trail && IsJisX0208Row(SjisToJisPair(first, second)[0]);
}

std::optional<std::string> JisPairToUtf8(std::uint8_t j1, std::uint8_t j2) {
  if (!IsCell(j1) || !IsCell(j2) || !IsJisX0208Row(j1)) return std::nullopt;
  const auto [first, second] = JisPairToSjis(j1, j2);
  const char sjis[] = {static_cast<char>(first), static_cast<char>(second)};
  // The converter refuses the cells JIS X 0208 leaves empty.
  return SjisToUtf8({sjis, sizeof sjis});
}

std::optional<std::string> NameUnitToUtf8(std::uint8_t high, std::uint8_t low) {
  if (high != asciiUnitMark) return JisPairToUtf8(high, low);
  // The printable ASCII characters only: a control character has no place in a name, nor in XML.
  if (low >= 0x20 && low < 0x7F) return std::string(1, static_cast<char>(low));
  return std::nullopt;
}

bool IsHalfWidthKatakanaByte(std::uint8_t byte) {
  return byte >= firstHalfWidthKatakana && byte <= lastHalfWidthKatakana;
}

KatakanaUnit FullWidthKatakana(std::uint8_t byte, std::uint8_t next) {
  const std::uint16_t code = fullWidthKatakana[byte - firstHalfWidthKatakana];
  if (next == voicedMark && byte == halfWidthU) return Unit(fullWidthVu, 2);
  if (next == voicedMark && TakesVoicedMark(byte)) return Unit(code + 1, 2);
  if (next == semiVoicedMark && TakesSemiVoicedMark(byte)) return Unit(code + 2, 2);
  return Unit(code, 1);
}

std::size_t EncodeName(std::string_view sjisName, std::span<std::uint8_t> units) {
  std::string_view name = sjisName.substr(0, sjisName.find('\0'));
  std::size_t stored = 0;
  std::size_t i = 0;
  while (i < name.size() && stored + 2 <= units.size()) {
    const auto b = static_cast<std::uint8_t>(name[i]);
    std::array<std::uint8_t, 2> unit;
    if (b < 0x80) {
      unit = {asciiUnitMark, b};
      i += 1;
    } else if (IsHalfWidthKatakanaByte(b)) {
      const auto next = static_cast<std::uint8_t>(i + 1 < name.size() ? name[i + 1] : '\0');
      const KatakanaUnit katakana = FullWidthKatakana(b, next);
      unit = katakana.unit;
      i += katakana.bytesUsed;
    } else if (i + 1 < name.size()) {
      unit = SjisToJisPair(b, static_cast<std::uint8_t>(name[i + 1]));
      i += 2;
    } else {
      break;  // a lead byte without its second byte is no character
    }
    units[stored] = unit[0];
    units[stored + 1] = unit[1];
    stored += 2;
  }
  return stored;
}

}  // namespace pinmover
