#include "engine/exported_points.h"

#include <cmath>
#include <cstdio>
#include <optional>

#include "engine/date_time_text.h"
#include "engine/datum_shift.h"
#include "platform/text_encoding.h"
#include "text/utf8.h"
#include "unitfile/jis_x0208.h"
#include "unitfile/voice_guidance_table.h"

namespace pinmover {

namespace {

std::string NameText(const InspectedPoint& point, std::vector<Problem>& problems) {
  std::string utf8;
  for (std::size_t i = 0; i + 1 < point.nameUnits.size(); i += 2) {
    const std::uint8_t high = point.nameUnits[i];
    const std::uint8_t low = point.nameUnits[i + 1];
    if (std::optional<std::string> character = NameUnitToUtf8(high, low)) {
      utf8 += *character;
      continue;
    }
    char unit[8];
    std::snprintf(unit, sizeof unit, "%02X %02X", high, low);
    problems.push_back({.kind = ProblemKind::NameUnitNotJis,
                        .slot = point.slot,
                        .detail = unit,
                        .count = i / 2 + 1});
    utf8 += replacementCharacterUtf8;
  }
  return utf8;
}

std::optional<GeodeticPosition> Wgs84Position(const InspectedPoint& point, Datum datum) {
  const GeodeticPosition stored{UnitsToDegrees(point.latitudeUnits),
                                UnitsToDegrees(point.longitudeUnits)};
  if (std::fabs(stored.latitude) > 90 || std::fabs(stored.longitude) > 180) return std::nullopt;
  GeodeticPosition wgs84 = datum == Datum::Tokyo ? TokyoToWgs84(stored) : stored;
  // GPX takes longitudes below 180 only; 180° east is 180° west, written as the text rounds it.
  if (wgs84.longitude >= 180 - 0.5e-7) wgs84.longitude -= 360;
  return wgs84;
}

}  // namespace

ExportedPoints ExportPoints(const PointFileInspection& file, Datum datum) {
  ExportedPoints exported;
  for (const InspectedPoint& point : file.points) {
    const std::optional<GeodeticPosition> position = Wgs84Position(point, datum);
    if (!position) {
      exported.problems.push_back({.kind = ProblemKind::PositionOffEarth, .slot = point.slot});
      continue;
    }
    ExportedPoint out;
    out.name = NameText(point, exported.problems);
    out.latitude = position->latitude;
    out.longitude = position->longitude;
    out.icon = point.icon;
    if (std::optional<int> entry = FindVoiceCode(point.voiceCode)) {
      out.voice = *entry;
      out.voiceText =
          SjisToUtf8(voiceGuidanceTable[static_cast<std::size_t>(*entry)].text).value_or("");
    } else {
      out.voice = point.voiceCode;
    }
    out.created = DateTimeText(point.created, 'T');
    exported.points.push_back(std::move(out));
  }
  return exported;
}

}  // namespace pinmover
