// Map links on arbitrary bytes: a position, when one is given, is finite and on the globe; the
// query is valid UTF-8; the query written into a link of its own reads back unchanged; and words
// that gave the first link no position give that link none either.
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "formats/maps_url.h"
#include "tests/fuzz/fuzz_check.h"
#include "text/utf8.h"

namespace {

using namespace pinmover;

bool IsUnreserved(unsigned char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
         c == '.' || c == '_' || c == '~';
}

// Spaces become '+' and other bytes past the unreserved ones %XY: both ways of decoding are met.
std::string PercentEncoded(std::string_view text) {
  constexpr char hexDigits[] = "0123456789ABCDEF";
  std::string encoded;
  for (char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (IsUnreserved(byte)) {
      encoded += c;
    } else if (c == ' ') {
      encoded += '+';
    } else {
      encoded += '%';
      encoded += hexDigits[byte >> 4];
      encoded += hexDigits[byte & 0xFu];
    }
  }
  return encoded;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view url(reinterpret_cast<const char*>(data), size);
  const std::optional<UrlPosition> position = PositionInMapsUrl(url);
  if (position) {
    PINMOVER_FUZZ_CHECK(std::isfinite(position->latitude) && std::abs(position->latitude) <= 90);
    PINMOVER_FUZZ_CHECK(std::isfinite(position->longitude) && std::abs(position->longitude) <= 180);
  }

  const std::string query = MapsUrlQuery(url);
  Utf8Validator validator;
  validator.Feed(query);
  PINMOVER_FUZZ_CHECK(validator.Finish());

  const std::string queryLink = "https://maps.google.com/?q=" + PercentEncoded(query);
  PINMOVER_FUZZ_CHECK(MapsUrlQuery(queryLink) == query);
  PINMOVER_FUZZ_CHECK(position || !PositionInMapsUrl(queryLink));
  return 0;
}
