#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <vector>

#include "engine/conversion_settings.h"
#include "formats/map_point.h"
#include "problem/problem.h"

namespace pinmover {

// Between a format reader and the point file: checks each map point's range, moves it into the
// chosen datum, makes its name one the unit can show, and reports every change. Points of a list
// made for the unit pass as they are. Points are kept a file's worth at a time: each full batch
// goes to the batch handler, if there is one; without one, the points past the first file are
// only counted.
class ImportPipeline : public PointSink {
 public:
  using BatchHandler = std::function<void(std::span<const UnitPoint>)>;

  ImportPipeline(Datum datum, ProblemSink* reports, BatchHandler fullBatches = {});

  void Add(const MapPoint& given) override;
  void Add(const UnitPoint& point) override;
  void Skip(const SkippedItem& item) override;

  // The points not yet handed on: without a batch handler, the first file's worth.
  std::span<const UnitPoint> Batch() const { return batch_; }
  // Every point taken, handed on or not.
  std::uint64_t PointCount() const { return pointCount_; }

 private:
  void Take(UnitPoint point);
  void Tell(const Problem& report);

  Datum datum_;
  ProblemSink* reports_;
  BatchHandler fullBatches_;
  std::vector<UnitPoint> batch_;
  std::uint64_t pointCount_ = 0;
  std::uint64_t numbered_ = 0;
};

}  // namespace pinmover
