#include "engine/import_pipeline.h"

#include <cmath>
#include <cstdio>

#include "engine/datum_shift.h"
#include "engine/unit_name.h"
#include "formats/maps_url.h"
#include "text/bounded_text.h"
#include "text/utf8.h"

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

}  // namespace

ImportPipeline::ImportPipeline(Datum datum, ProblemSink* reports, BatchHandler fullBatches)
    : datum_(datum), reports_(reports), fullBatches_(std::move(fullBatches)) {
  batch_.reserve(maxPointsPerFile);
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
  Take(UnitPoint{name.name, DegreesToUnits(position.longitude), DegreesToUnits(position.latitude)});
}

void ImportPipeline::Add(const UnitPoint& point) {
  ++numbered_;
  Take(point);
}

void ImportPipeline::Skip(const SkippedItem& item) {
  Tell({.kind = KindOf(item.reason), .line = item.line, .name = item.name, .detail = item.detail});
}

void ImportPipeline::Take(UnitPoint point) {
  ++pointCount_;
  if (batch_.size() == static_cast<std::size_t>(maxPointsPerFile)) {
    if (!fullBatches_) return;
    fullBatches_(batch_);
    batch_.clear();
  }
  batch_.push_back(std::move(point));
}

void ImportPipeline::Tell(const Problem& report) {
  if (reports_) reports_->Report(report);
}

}  // namespace pinmover
