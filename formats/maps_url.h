#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace pinmover {

struct UrlPosition {
  double latitude = 0;
  double longitude = 0;
};

// The position a map link gives, or nothing for a link without one (a place id, a short
// maps.app.goo.gl link, a search for words).
std::optional<UrlPosition> PositionInMapsUrl(std::string_view url);

// The search words of a link's q= or query= parameter, percent-decoded with '+' as a space,
// as valid UTF-8 (bytes that are no UTF-8 become U+FFFD); empty when the link has none. This is
// what the user is told to find a place again when the link holds no position.
std::string MapsUrlQuery(std::string_view url);

}  // namespace pinmover
