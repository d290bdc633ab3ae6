#include "engine/import_pipeline.h"

#include <cmath>

#include "engine/datum_shift.h"
#include "engine/unit_name.h"

namespace pinmover {

namespace {

bool OnEarth(const MapPoint& point) {
  return std::isfinite(point.latitude) && std::isfinite(point.longitude) &&
         std::fabs(point.latitude) <= 90 && std::fabs(point.longitude) <= 180;
}

ImportReport::Kind KindOf(SkipReason reason) {
  return reason == SkipReason::NoPointGeometry ? ImportReport::Kind::NoPointGeometry
                                               : ImportReport::Kind::UnreadableCoordinates;
}

}  // namespace

ImportPipeline::ImportPipeline(Datum datum, ImportReportSink* reports, BatchHandler fullBatches)
    : datum_(datum), reports_(reports), fullBatches_(std::move(fullBatches)) {
  batch_.reserve(maxPointsPerFile);
}

void ImportPipeline::Add(const MapPoint& point) {
  const std::uint64_t number = ++numbered_;
  ImportReport report;
  report.pointNumber = number;
  report.line = point.line;
  report.name = point.name;
  if (!OnEarth(point)) {
    report.kind = ImportReport::Kind::OutOfRange;
    report.latitude = point.latitude;
    report.longitude = point.longitude;
    Tell(report);
    return;
  }
  GeodeticPosition position{point.latitude, point.longitude};
  if (datum_ == Datum::Tokyo) position = Wgs84ToTokyo(position);

  UnitName name = MakeUnitName(point.name);
  if (name.cut) {
    report.kind = ImportReport::Kind::NameCut;
    Tell(report);
  }
  if (!name.missing.empty()) {
    report.kind = ImportReport::Kind::CharactersReplaced;
    report.characters = name.missing;
    Tell(report);
  }
  if (name.controlsReplaced) {
    report.kind = ImportReport::Kind::ControlsReplaced;
    Tell(report);
  }
  Take(UnitPoint{std::move(name.sjis), DegreesToUnits(position.longitude),
                 DegreesToUnits(position.latitude)});
}

void ImportPipeline::Add(const UnitPoint& point) {
  ++numbered_;
  Take(point);
}

void ImportPipeline::Skip(const SkippedItem& item) {
  ImportReport report;
  report.kind = KindOf(item.reason);
  report.line = item.line;
  report.name = item.name;
  Tell(report);
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

void ImportPipeline::Tell(ImportReport report) {
  if (reports_) reports_->Report(report);
}

}  // namespace pinmover
