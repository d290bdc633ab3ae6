#include "engine/map_point_conversion.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>

#include "engine/datum_shift.h"
#include "formats/maps_url.h"
#include "text/blanks.h"
#include "text/bounded_text.h"
#include "text/utf8.h"
#include "unitfile/voice_guidance_table.h"

namespace pinmover {

namespace {

bool OnEarth(double latitude, double longitude) {
  return std::isfinite(latitude) && std::isfinite(longitude) && std::fabs(latitude) <= 90 &&
         std::fabs(longitude) <= 180;
}

// Apps write a place they have no position for at 0° north, 0° east, in the ocean off Africa;
// its link may still carry the position.
bool AtNoPosition(const MapPoint& point) { return point.latitude == 0 && point.longitude == 0; }

// What the file gives to find a place without a position again: its address, else the words its
// link searches for.
std::string FindingHint(const MapPoint& point) {
  if (!point.address.empty()) return point.address;
  std::string words = MapsUrlQuery(point.link);
  words.resize(Utf8Prefix(words, maxKeptText).size());
  return words;
}

std::string Coordinates(double latitude, double longitude) {
  char text[96];
  std::snprintf(text, sizeof text, "%.7g, %.7g", latitude, longitude);
  return text;
}

// A whole number as a spreadsheet or a JSON writer may give it: "12", " 12 ", "12.0".
std::optional<std::int64_t> WholeNumber(std::string_view text) {
  const char* end = text.data() + text.size();
  std::int64_t whole = 0;
  if (auto [at, error] = std::from_chars(text.data(), end, whole);
      error == std::errc() && at == end) {
    return whole;
  }
  double number = 0;
  if (auto [at, error] = std::from_chars(text.data(), end, number);
      error == std::errc() && at == end && std::fabs(number) < 1e15 &&
      std::trunc(number) == number) {
    return static_cast<std::int64_t>(number);
  }
  return std::nullopt;
}

// The point's own icon, when it gives one the unit has; one it has not is a change.
std::optional<int> OwnIcon(std::string_view given, Problem change, std::vector<Problem>& changes) {
  const std::string_view text = TrimBlanks(given);
  if (text.empty()) return std::nullopt;
  std::optional<std::int64_t> icon = WholeNumber(text);
  if (icon && *icon >= minIcon && *icon <= maxIcon) return static_cast<int>(*icon);
  change.kind = ProblemKind::IconOutOfRange;
  change.detail = std::string(text);
  changes.push_back(std::move(change));
  return std::nullopt;
}

std::optional<std::uint16_t> OwnVoice(std::string_view given, Problem change,
                                      std::vector<Problem>& changes) {
  const std::string_view text = TrimBlanks(given);
  if (text.empty()) return std::nullopt;
  if (std::optional<std::int64_t> number = WholeNumber(text)) {
    if (std::optional<std::uint16_t> code = VoiceCodeOfNumber(*number)) return code;
  }
  change.kind = ProblemKind::VoiceOutOfRange;
  change.detail = std::string(text);
  changes.push_back(std::move(change));
  return std::nullopt;
}

}  // namespace

MapPointConversion ConvertMapPoint(const MapPoint& point, Datum datum) {
  MapPointConversion converted{.latitude = point.latitude, .longitude = point.longitude};
  const Problem base{.line = point.line, .name = point.name};
  if (AtNoPosition(point)) {
    std::optional<UrlPosition> linked = PositionInMapsUrl(point.link);
    if (!linked) {
      Problem change = base;
      change.kind = ProblemKind::NoPosition;
      change.detail = FindingHint(point);
      converted.changes.push_back(std::move(change));
      return converted;
    }
    converted.latitude = linked->latitude;
    converted.longitude = linked->longitude;
  }
  if (!OnEarth(converted.latitude, converted.longitude)) {
    Problem change = base;
    change.kind = ProblemKind::OutOfRange;
    change.detail = Coordinates(converted.latitude, converted.longitude);
    converted.changes.push_back(std::move(change));
    return converted;
  }
  GeodeticPosition position{converted.latitude, converted.longitude};
  if (datum == Datum::Tokyo) position = Wgs84ToTokyo(position);

  const UnitName name = MakeUnitName(point.name);
  converted.changes = NameChanges(name, base);
  converted.point = UnitPoint{.name = name.name,
                              .longitudeUnits = DegreesToUnits(position.longitude),
                              .latitudeUnits = DegreesToUnits(position.latitude),
                              .icon = OwnIcon(point.icon, base, converted.changes),
                              .voiceCode = OwnVoice(point.voice, base, converted.changes)};
  return converted;
}

std::vector<Problem> NameChanges(const UnitName& name, const Problem& base) {
  std::vector<Problem> changes;
  auto change = [&](ProblemKind kind, std::string detail) {
    Problem made = base;
    made.kind = kind;
    made.detail = std::move(detail);
    changes.push_back(std::move(made));
  };
  if (name.cut) change(ProblemKind::NameCut, {});
  if (!name.missing.empty()) change(ProblemKind::CharactersReplaced, name.missing);
  if (!name.unaccented.empty()) change(ProblemKind::AccentsRemoved, name.unaccented);
  if (name.controlsReplaced) change(ProblemKind::ControlsReplaced, {});
  return changes;
}

ProblemKind SkipKind(SkipReason reason) {
  switch (reason) {
    case SkipReason::NoPointGeometry: return ProblemKind::NoPointGeometry;
    case SkipReason::UnreadableCoordinates: return ProblemKind::UnreadableCoordinates;
    case SkipReason::NoPosition: return ProblemKind::NoPosition;
  }
  return ProblemKind::UnreadableCoordinates;
}

}  // namespace pinmover
