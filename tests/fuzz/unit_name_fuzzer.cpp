// MakeUnitName on arbitrary bytes: at most 19 characters, each printable ASCII or an assigned
// JIS X 0208 character, no blank at either end, and a name made again from its own text comes
// back unchanged.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "unitfile/jis_x0208.h"
#include "engine/unit_name.h"
#include "text/utf8_code_points.h"
#include "unitfile/point_encodings.h"
#include "platform/text_encoding.h"
#include "tests/fuzz/fuzz_check.h"

namespace {

using namespace pinmover;

constexpr std::string_view fullWidthSpace = "\x81\x40";
constexpr std::string_view missingMark = "\x81\xAC";

bool IsValidUtf8(std::string_view text) {
  for (std::size_t offset = 0; offset < text.size();) {
    const DecodedCodePoint decoded = DecodeUtf8At(text, offset);
    if (!decoded.valid) return false;
    offset += decoded.length;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const UnitName name = MakeUnitName({reinterpret_cast<const char*>(data), size});
  const std::string& sjis = name.sjis;

  std::vector<std::string_view> characters;
  for (std::size_t i = 0; i < sjis.size();) {
    const auto first = static_cast<std::uint8_t>(sjis[i]);
    if (first < 0x80) {
      PINMOVER_FUZZ_CHECK(first >= 0x20 && first < 0x7F);
      characters.push_back(std::string_view(sjis).substr(i, 1));
      i += 1;
      continue;
    }
    PINMOVER_FUZZ_CHECK(i + 1 < sjis.size());
    const auto second = static_cast<std::uint8_t>(sjis[i + 1]);
    PINMOVER_FUZZ_CHECK(IsJisX0208Sjis(first, second));
    const auto pair = SjisToJisPair(first, second);
    PINMOVER_FUZZ_CHECK(JisPairToUtf8(pair[0], pair[1]).has_value());
    characters.push_back(std::string_view(sjis).substr(i, 2));
    i += 2;
  }
  PINMOVER_FUZZ_CHECK(characters.size() <= static_cast<std::size_t>(maxNameCharacters));
  for (std::string_view blank : {std::string_view(" "), fullWidthSpace}) {
    PINMOVER_FUZZ_CHECK(characters.empty() ||
                        (characters.front() != blank && characters.back() != blank));
  }
  PINMOVER_FUZZ_CHECK(IsValidUtf8(name.missing));
  PINMOVER_FUZZ_CHECK(name.missing.empty() || sjis.find(missingMark) != std::string::npos);

  const std::optional<std::string> utf8 = SjisToUtf8(sjis);
  PINMOVER_FUZZ_CHECK(utf8.has_value());
  const UnitName again = MakeUnitName(*utf8);
  PINMOVER_FUZZ_CHECK(again.sjis == sjis && !again.cut && !again.controlsReplaced &&
                      again.missing.empty());
  return 0;
}
