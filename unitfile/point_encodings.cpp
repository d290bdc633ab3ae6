#include "unitfile/point_encodings.h"

#include <algorithm>

namespace pinmover {

namespace {

constexpr std::size_t dmsTextLimit = 32;
constexpr std::string_view dmsDelimiters = "' ,./\t\n";

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

bool IsHalfWidthKatakana(std::uint8_t b) {
  return b >= firstHalfWidthKatakana && b <= lastHalfWidthKatakana;
}

struct KatakanaUnit {
  std::uint16_t code;
  std::size_t bytesUsed;
};

KatakanaUnit FullWidthKatakana(std::uint8_t b, std::uint8_t next) {
  std::uint16_t code = fullWidthKatakana[b - firstHalfWidthKatakana];
  if (next == voicedMark && b == halfWidthU) return {fullWidthVu, 2};
  if (next == voicedMark && TakesVoicedMark(b)) return {static_cast<std::uint16_t>(code + 1), 2};
  if (next == semiVoicedMark && TakesSemiVoicedMark(b)) {
    return {static_cast<std::uint16_t>(code + 2), 2};
  }
  return {code, 1};
}

bool IsSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

std::uint32_t FromBigEndian32(const std::uint8_t* bytes) {
  return static_cast<std::uint32_t>(bytes[0]) << 24 | static_cast<std::uint32_t>(bytes[1]) << 16 |
         static_cast<std::uint32_t>(bytes[2]) << 8 | bytes[3];
}

std::uint32_t LowByte(std::uint32_t value) { return value & 0xFFu; }

std::uint32_t PackBytes(std::uint32_t high, std::uint32_t middle, std::uint32_t low) {
  return LowByte(high) << 16 | LowByte(middle) << 8 | LowByte(low);
}

}  // namespace

std::array<std::uint8_t, 4> ToBigEndian32(std::uint32_t value) {
  return {static_cast<std::uint8_t>(value >> 24), static_cast<std::uint8_t>(value >> 16),
          static_cast<std::uint8_t>(value >> 8), static_cast<std::uint8_t>(value)};
}

std::int32_t DecimalTextValue(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && IsSpace(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  std::uint32_t value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    value = value * 10u + static_cast<std::uint32_t>(text[i] - '0');
  }
  return static_cast<std::int32_t>(negative ? 0u - value : value);
}

std::int32_t DmsToUnits(std::string_view dmsText) {
  std::string_view text = dmsText.substr(0, std::min(dmsText.find('\0'), dmsTextLimit));
  std::array<std::string_view, 4> tokens{};
  std::size_t count = 0;
  for (std::size_t start = text.find_first_not_of(dmsDelimiters);
       start != std::string_view::npos && count < tokens.size();) {
    std::size_t end = text.find_first_of(dmsDelimiters, start);
    tokens[count++] = text.substr(start, end - start);
    start = text.find_first_not_of(dmsDelimiters, end);
  }
  std::int32_t degrees = DecimalTextValue(tokens[0]);
  std::int32_t minutes = DecimalTextValue(tokens[1]);
  std::int32_t seconds = DecimalTextValue(tokens[2]);
  std::int32_t thousandths = 0;
  if (count >= 3 && seconds >= 60) {
    thousandths = seconds % 1000;
    seconds /= 1000;
  } else if (count == 4) {
    // The fraction's first three digits, padded with zeros: "1" is 100 thousandths.
    std::array<char, 3> digits{'0', '0', '0'};
    std::copy_n(tokens[3].begin(), std::min(tokens[3].size(), digits.size()), digits.begin());
    thousandths = DecimalTextValue({digits.data(), digits.size()});
  }
  // |thousandths| < 1000, so this product stays far inside 32 bits; the rest may wrap.
  std::int32_t scaled = thousandths * 2048;
  std::uint32_t total = static_cast<std::uint32_t>(degrees) * 3600u +
                        static_cast<std::uint32_t>(minutes) * 60u +
                        static_cast<std::uint32_t>(seconds);
  std::uint32_t units =
      total * 2048u + static_cast<std::uint32_t>(scaled / 1000) + (scaled % 1000 >= 500 ? 1u : 0u);
  return static_cast<std::int32_t>(units);
}

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

std::size_t EncodeName(std::string_view sjisName, std::span<std::uint8_t> units) {
  std::string_view name = sjisName.substr(0, sjisName.find('\0'));
  std::size_t stored = 0;
  std::size_t i = 0;
  while (i < name.size() && stored + 2 <= units.size()) {
    const auto b = static_cast<std::uint8_t>(name[i]);
    std::array<std::uint8_t, 2> unit;
    if (b < 0x80) {
      unit = {0xFF, b};
      i += 1;
    } else if (IsHalfWidthKatakana(b)) {
      const auto next = static_cast<std::uint8_t>(i + 1 < name.size() ? name[i + 1] : '\0');
      const KatakanaUnit katakana = FullWidthKatakana(b, next);
      unit = {static_cast<std::uint8_t>(katakana.code >> 8),
              static_cast<std::uint8_t>(katakana.code)};
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

std::uint32_t CurrentDatePacked(const LocalDateTime& reading) {
  return PackBytes(static_cast<std::uint32_t>(reading.year) - 2000u,
                   static_cast<std::uint32_t>(reading.month),
                   static_cast<std::uint32_t>(reading.day));
}

std::uint32_t CurrentTimePacked(const LocalDateTime& reading) {
  return PackBytes(static_cast<std::uint32_t>(reading.hour),
                   static_cast<std::uint32_t>(reading.minute),
                   static_cast<std::uint32_t>(reading.second));
}

std::uint32_t SlotChecksum(std::span<const std::uint8_t, recordSize> slot) {
  std::uint32_t sum = 0;
  for (std::size_t offset = offsetof(PointImageRecord, longitude);
       offset < offsetof(PointImageRecord, checksum); offset += 4) {
    sum += FromBigEndian32(slot.data() + offset);
  }
  return sum;
}

}  // namespace pinmover
