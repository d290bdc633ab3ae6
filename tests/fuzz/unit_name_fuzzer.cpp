// MakeUnitName on arbitrary bytes: at most 19 characters, each printable ASCII or an assigned
// JIS X 0208 character, no blank at either end, and a name made again from its own text comes
// back unchanged.
#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/unit_name.h"
#include "tests/fuzz/fuzz_check.h"
#include "text/utf8.h"
#include "unitfile/jis_x0208.h"

namespace {

using namespace pinmover;

using Unit = std::array<std::uint8_t, 2>;
constexpr Unit fullWidthSpace = {0x21, 0x21};
constexpr Unit asciiSpace = {asciiUnitMark, ' '};
constexpr Unit missingMark = {0x22, 0x2E};

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
  const std::span<const std::uint8_t> bytes = name.name.Bytes();
  PINMOVER_FUZZ_CHECK(bytes.size() % 2 == 0);

  std::vector<Unit> units;
  std::string utf8;
  for (std::size_t i = 0; i < bytes.size(); i += 2) {
    const Unit unit = {bytes[i], bytes[i + 1]};
    if (unit[0] == asciiUnitMark) {
      PINMOVER_FUZZ_CHECK(unit[1] >= 0x20 && unit[1] < 0x7F);
      utf8 += static_cast<char>(unit[1]);
    } else {
      const std::optional<std::string> character = JisPairToUtf8(unit[0], unit[1]);
      PINMOVER_FUZZ_CHECK(character.has_value());
      utf8 += *character;
    }
    units.push_back(unit);
  }
  PINMOVER_FUZZ_CHECK(units.size() <= static_cast<std::size_t>(maxNameCharacters));
  for (const Unit& blank : {asciiSpace, fullWidthSpace}) {
    PINMOVER_FUZZ_CHECK(units.empty() || (units.front() != blank && units.back() != blank));
  }
  PINMOVER_FUZZ_CHECK(IsValidUtf8(name.missing));
  PINMOVER_FUZZ_CHECK(name.missing.empty() ||
                      std::find(units.begin(), units.end(), missingMark) != units.end());

  const UnitName again = MakeUnitName(utf8);
  PINMOVER_FUZZ_CHECK(again.name == name.name && !again.cut && !again.controlsReplaced &&
                      again.missing.empty());
  return 0;
}
