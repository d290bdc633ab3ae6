#include "formats/maps_url.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <vector>

#include "text/blanks.h"
#include "text/decimal_degrees.h"
#include "text/utf8.h"

namespace pinmover {

namespace {

constexpr std::size_t npos = std::string_view::npos;

struct UrlParts {
  std::string_view beforeFragment;
  std::string_view path;
  std::string_view query;
};

UrlParts SplitUrl(std::string_view url) {
  url = url.substr(0, url.find('#'));
  const std::size_t questionMark = url.find('?');
  if (questionMark == npos) return {url, url, {}};
  return {url, url.substr(0, questionMark), url.substr(questionMark + 1)};
}

std::optional<unsigned> HexDigitValue(char c) {
  if (c >= '0' && c <= '9') return static_cast<unsigned>(c - '0');
  if (c >= 'a' && c <= 'f') return static_cast<unsigned>(c - 'a' + 10);
  if (c >= 'A' && c <= 'F') return static_cast<unsigned>(c - 'A' + 10);
  return std::nullopt;
}

// Map links write spaces as '+' in their paths as well as in their queries, so both are decoded
// alike; a '+' sign written as %2B survives for ParseDecimalDegrees.
std::string DecodeUrlText(std::string_view text) {
  std::string decoded;
  decoded.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '+') {
      decoded += ' ';
      continue;
    }
    if (text[i] == '%' && text.size() - i >= 3) {
      const std::optional<unsigned> high = HexDigitValue(text[i + 1]);
      const std::optional<unsigned> low = HexDigitValue(text[i + 2]);
      if (high && low) {
        decoded += static_cast<char>(*high << 4 | *low);
        i += 2;
        continue;
      }
    }
    decoded += text[i];
  }
  return decoded;
}

std::optional<UrlPosition> PositionOf(std::string_view latitudeText,
                                      std::string_view longitudeText) {
  const std::optional<double> latitude = ParseDecimalDegrees(latitudeText);
  const std::optional<double> longitude = ParseDecimalDegrees(longitudeText);
  if (!latitude || !longitude || std::abs(*latitude) > 90 || std::abs(*longitude) > 180) {
    return std::nullopt;
  }
  return UrlPosition{*latitude, *longitude};
}

// "LAT,LON", decoded.
std::optional<UrlPosition> PositionInPair(std::string_view pair) {
  const std::size_t comma = pair.find(',');
  if (comma == npos) return std::nullopt;
  return PositionOf(pair.substr(0, comma), pair.substr(comma + 1));
}

// A map's zoom after its centre: "15z", "17.5z", "1234m", or "3a" in street view, whose
// heading and tilt may follow.
bool IsZoom(std::string_view text) {
  text = TrimBlanks(text);
  const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
  const auto digitsEnd = [&](std::size_t from) {
    while (from < text.size() && isDigit(text[from])) ++from;
    return from;
  };
  std::size_t end = digitsEnd(0);
  if (end == 0) return false;
  if (end < text.size() && text[end] == '.') {
    const std::size_t fractionEnd = digitsEnd(end + 1);
    if (fractionEnd == end + 1) return false;
    end = fractionEnd;
  }
  return end + 1 == text.size() && (text[end] == 'z' || text[end] == 'm' || text[end] == 'a');
}

// "LAT,LON" or "LAT,LON,ZOOM...", decoded.
std::optional<UrlPosition> PositionInMapCentre(std::string_view centre) {
  const std::size_t firstComma = centre.find(',');
  if (firstComma == npos) return std::nullopt;
  const std::size_t secondComma = centre.find(',', firstComma + 1);
  if (secondComma != npos) {
    const std::size_t zoomEnd = centre.find(',', secondComma + 1);
    const std::size_t zoomLength = zoomEnd == npos ? npos : zoomEnd - secondComma - 1;
    if (!IsZoom(centre.substr(secondComma + 1, zoomLength))) return std::nullopt;
    centre = centre.substr(0, secondComma);
  }
  return PositionOf(centre.substr(0, firstComma), centre.substr(firstComma + 1));
}

// The first position read finds in a path segment after marker. Each segment ends before the
// next '/', where any later marker starts, so the whole takes time linear in the path.
template <typename Read>
std::optional<UrlPosition> FirstInSegmentAfter(std::string_view path, std::string_view marker,
                                               Read read) {
  for (std::size_t at = path.find(marker); at != npos; at = path.find(marker, at + 1)) {
    const std::size_t start = at + marker.size();
    const std::size_t end = std::min(path.find('/', start), path.size());
    if (std::optional<UrlPosition> position =
            read(DecodeUrlText(path.substr(start, end - start)))) {
      return position;
    }
  }
  return std::nullopt;
}

// The place itself in a place link's data: "!3dLAT!4dLON". Each latitude ends at the next '!'
// and each longitude before the next '!', so no later "!3d" starts inside them.
std::optional<UrlPosition> PlacePosition(std::string_view url) {
  constexpr std::string_view latitudeMarker = "!3d";
  constexpr std::string_view longitudeMarker = "!4d";
  for (std::size_t at = url.find(latitudeMarker); at != npos;
       at = url.find(latitudeMarker, at + 1)) {
    const std::size_t latitudeStart = at + latitudeMarker.size();
    const std::size_t latitudeEnd = url.find('!', latitudeStart);
    if (latitudeEnd == npos) break;
    if (url.substr(latitudeEnd, longitudeMarker.size()) != longitudeMarker) continue;
    const std::size_t longitudeStart = latitudeEnd + longitudeMarker.size();
    const std::size_t longitudeEnd =
        std::min(url.find_first_of("!/?&", longitudeStart), url.size());
    if (std::optional<UrlPosition> position =
            PositionOf(DecodeUrlText(url.substr(latitudeStart, latitudeEnd - latitudeStart)),
                       DecodeUrlText(url.substr(longitudeStart, longitudeEnd - longitudeStart)))) {
      return position;
    }
  }
  return std::nullopt;
}

// The decoded values of the query's parameters with one of names, in their order in the query.
std::vector<std::string> ParameterValues(std::string_view query,
                                         std::initializer_list<std::string_view> names) {
  std::vector<std::string> values;
  while (!query.empty()) {
    const std::size_t ampersand = query.find('&');
    const std::string_view parameter = query.substr(0, ampersand);
    query.remove_prefix(ampersand == npos ? query.size() : ampersand + 1);
    const std::size_t equals = parameter.find('=');
    if (equals == npos) continue;
    if (std::find(names.begin(), names.end(), parameter.substr(0, equals)) != names.end()) {
      values.push_back(DecodeUrlText(parameter.substr(equals + 1)));
    }
  }
  return values;
}

std::optional<UrlPosition> FirstPositionIn(const std::vector<std::string>& pairs) {
  for (const std::string& pair : pairs) {
    if (std::optional<UrlPosition> position = PositionInPair(pair)) return position;
  }
  return std::nullopt;
}

}  // namespace

// A pin the link was made for comes before the centre of the map it showed.
std::optional<UrlPosition> PositionInMapsUrl(std::string_view url) {
  const UrlParts parts = SplitUrl(url);
  if (std::optional<UrlPosition> place = PlacePosition(parts.beforeFragment)) return place;
  if (std::optional<UrlPosition> searched =
          FirstInSegmentAfter(parts.path, "/search/", PositionInPair)) {
    return searched;
  }
  if (std::optional<UrlPosition> queried =
          FirstPositionIn(ParameterValues(parts.query, {"q", "query"}))) {
    return queried;
  }
  if (std::optional<UrlPosition> viewed = FirstPositionIn(ParameterValues(parts.query, {"ll"}))) {
    return viewed;
  }
  return FirstInSegmentAfter(parts.path, "/@", PositionInMapCentre);
}

std::string MapsUrlQuery(std::string_view url) {
  for (const std::string& words : ParameterValues(SplitUrl(url).query, {"q", "query"})) {
    const std::string_view trimmed = TrimBlanks(words);
    if (!trimmed.empty()) return ValidUtf8(trimmed);
  }
  return {};
}

}  // namespace pinmover
