#include "engine/import_pipeline.h"

#include <algorithm>
#include <climits>
#include <cmath>

#include "engine/map_point_conversion.h"
#include "engine/unit_name.h"

namespace pinmover {

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
  MapPointConversion converted = ConvertMapPoint(given, datum_);
  ++numbered_;
  for (Problem& change : converted.changes) {
    change.point = numbered_;
    Tell(std::move(change));
  }
  if (converted.point) {
    Take(std::move(*converted.point), {.line = given.line, .point = numbered_, .name = given.name});
  }
}

void ImportPipeline::Add(const UnitPoint& point) {
  Take(point, {.point = ++numbered_});
}

void ImportPipeline::Skip(const SkippedItem& item) {
  Tell({.kind = SkipKind(item.reason), .line = item.line, .name = item.name, .detail = item.detail});
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
