#include "engine/import_pipeline.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdio>

#include "engine/datum_shift.h"
#include "engine/unit_name.h"
#include "formats/maps_url.h"
#include "text/blanks.h"
#include "text/bounded_text.h"
#include "text/utf8.h"
#include "unitfile/voice_guidance_table.h"

namespace pinmover {

namespace {

bool OnEarth(const MapPoint& point) {
  return std::isfinite(point.latitude) && std::isfinite(point.longitude) &&
         std::fabs(point.latitude) <= 90 && std::fabs(point.longitude) <= 180;
}

ProblemKind KindOf(SkipReason reason) {
  switch (reason) {
    case SkipReason::NoPointGeometry: return ProblemKind::NoPointGeometry;
    case SkipReason::UnreadableCoordinates: return ProblemKind::UnreadableCoordinates;
    case SkipReason::NoPosition: return ProblemKind::NoPosition;
  }
  return ProblemKind::UnreadableCoordinates;
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

std::string Coordinates(const MapPoint& point) {
  char text[96];
  std::snprintf(text, sizeof text, "%.7g, %.7g", point.latitude, point.longitude);
  return text;
}

// A whole number as a spreadsheet or a JSON writer may give it: "12", " 12 ", "12.0".
std::optional<std::int64_t> WholeNumber(std::string_view text) {
  const std::string_view trimmed = TrimBlanks(text);
  const char* end = trimmed.data() + trimmed.size();
  std::int64_t whole = 0;
  if (auto [at, error] = std::from_chars(trimmed.data(), end, whole);
      error == std::errc() && at == end) {
    return whole;
  }
  double number = 0;
  if (auto [at, error] = std::from_chars(trimmed.data(), end, number);
      error == std::errc() && at == end && std::fabs(number) < 1e15 && std::trunc(number) == number) {
    return static_cast<std::int64_t>(number);
  }
  return std::nullopt;
}

}  // namespace

ImportPipeline::ImportPipeline(Datum datum, ProblemSink* reports, DuplicateRule duplicates,
                               BatchHandler fullBatches)
    : datum_(datum),
      reports_(reports),
      duplicateRule_(duplicates),
      fullBatches_(std::move(fullBatches)) {
  batch_.reserve(maxPointsPerFile);
}

void ImportPipeline::BeginList(std::string reportedPath, bool held) {
  reportedPath_ = std::move(reportedPath);
  held_ = held;
  numbered_ = 0;
  listPoints_ = 0;
}

void ImportPipeline::Add(const MapPoint& given) {
  MapPoint point = given;
  if (AtNoPosition(point)) {
    if (std::optional<UrlPosition> linked = PositionInMapsUrl(point.link)) {
      point.latitude = linked->latitude;
      point.longitude = linked->longitude;
    } else {
      Tell({.kind = ProblemKind::NoPosition,
            .line = point.line,
            .point = ++numbered_,
            .name = point.name,
            .detail = FindingHint(point)});
      return;
    }
  }
  Problem report{.line = point.line, .point = ++numbered_, .name = point.name};
  if (!OnEarth(point)) {
    report.kind = ProblemKind::OutOfRange;
    report.detail = Coordinates(point);
    Tell(report);
    return;
  }
  GeodeticPosition position{point.latitude, point.longitude};
  if (datum_ == Datum::Tokyo) position = Wgs84ToTokyo(position);

  UnitName name = MakeUnitName(point.name);
  if (name.cut) {
    report.kind = ProblemKind::NameCut;
    Tell(report);
  }
  if (!name.missing.empty()) {
    report.kind = ProblemKind::CharactersReplaced;
    report.detail = name.missing;
    Tell(report);
  }
  if (!name.unaccented.empty()) {
    report.kind = ProblemKind::AccentsRemoved;
    report.detail = name.unaccented;
    Tell(report);
  }
  if (name.controlsReplaced) {
    report.kind = ProblemKind::ControlsReplaced;
    report.detail.clear();
    Tell(report);
  }
  Take(UnitPoint{.name = name.name,
                 .longitudeUnits = DegreesToUnits(position.longitude),
                 .latitudeUnits = DegreesToUnits(position.latitude),
                 .icon = OwnIcon(point, report),
                 .voiceCode = OwnVoice(point, report)},
       report);
}

void ImportPipeline::Add(const UnitPoint& point) {
  Take(point, {.point = ++numbered_});
}

void ImportPipeline::Skip(const SkippedItem& item) {
  Tell({.kind = KindOf(item.reason), .line = item.line, .name = item.name, .detail = item.detail});
}

std::optional<int> ImportPipeline::OwnIcon(const MapPoint& point, Problem report) {
  if (TrimBlanks(point.icon).empty()) return std::nullopt;
  std::optional<std::int64_t> icon = WholeNumber(point.icon);
  if (icon && *icon >= minIcon && *icon <= maxIcon) return static_cast<int>(*icon);
  report.kind = ProblemKind::IconOutOfRange;
  report.detail = std::string(TrimBlanks(point.icon));
  Tell(std::move(report));
  return std::nullopt;
}

std::optional<std::uint16_t> ImportPipeline::OwnVoice(const MapPoint& point, Problem report) {
  if (TrimBlanks(point.voice).empty()) return std::nullopt;
  if (std::optional<std::int64_t> number = WholeNumber(point.voice)) {
    if (std::optional<std::uint16_t> code = VoiceCodeOfNumber(*number)) return code;
  }
  report.kind = ProblemKind::VoiceOutOfRange;
  report.detail = std::string(TrimBlanks(point.voice));
  Tell(std::move(report));
  return std::nullopt;
}

// report tells where the point stands in its list; a point made for the unit has no name there
// but the one its slot shows.
void ImportPipeline::Take(UnitPoint point, Problem report) {
  ++listPoints_;
  // A point past the first file that no batch handler takes is only counted.
  const bool kept = fullBatches_ || batch_.size() < static_cast<std::size_t>(maxPointsPerFile);
  if (kept && duplicateRule_ != DuplicateRule::Unchecked) {
    if (std::optional<DuplicatePoints::Match> earlier = taken_.Find(point)) {
      // What the file written to holds stays there, duplicates and all.
      const bool notAdded =
          earlier->held && !held_ && duplicateRule_ == DuplicateRule::HeldNotAdded;
      report.kind = notAdded ? ProblemKind::DuplicateLeftOut : ProblemKind::DuplicateKept;
      report.slot = static_cast<int>(std::min<std::uint64_t>(earlier->index, INT32_MAX));
      report.count = static_cast<std::uint64_t>(std::lround(earlier->metres));
      report.detail.clear();
      if (report.name.empty()) report.name = SlotNameText(point.name);
      Tell(std::move(report));
      if (notAdded) return;
    } else {
      taken_.Add(point, pointCount_, held_);
    }
  }
  ++pointCount_;
  if (batch_.size() == static_cast<std::size_t>(maxPointsPerFile)) {
    if (!fullBatches_) return;
    fullBatches_(batch_);
    batch_.clear();
  }
  batch_.push_back(std::move(point));
}

void ImportPipeline::Tell(Problem report) {
  if (!reports_) return;
  report.path = reportedPath_;
  reports_->Report(report);
}

}  // namespace pinmover
