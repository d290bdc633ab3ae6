#include "engine/import_pipeline.h"

#include <cmath>
#include <cstdio>

#include "engine/datum_shift.h"
#include "engine/unit_name.h"

namespace pinmover {

namespace {

bool OnEarth(const MapPoint& point) {
  return std::isfinite(point.latitude) && std::isfinite(point.longitude) &&
         std::fabs(point.latitude) <= 90 && std::fabs(point.longitude) <= 180;
}

ProblemKind KindOf(SkipReason reason) {
  return reason == SkipReason::NoPointGeometry ? ProblemKind::NoPointGeometry
                                               : ProblemKind::UnreadableCoordinates;
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

void ImportPipeline::Add(const MapPoint& point) {
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
  Tell({.kind = KindOf(item.reason), .line = item.line, .name = item.name});
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
