#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "engine/conversion_settings.h"
#include "engine/duplicate_points.h"
#include "formats/map_point.h"
#include "problem/problem.h"

namespace pinmover {

// What becomes of a point with the name of one taken already, close to it.
enum class DuplicateRule {
  Unchecked,    // not looked for: a lone list made for the unit is written as it stands
  Kept,         // reported, and kept
  HeldNotAdded, // reported; one of a point the file written to held already is not added again
};

// Between the format readers and the point file: checks each map point's range and its own
// icon and voice, moves it into the chosen datum, makes its name one the unit can show, looks
// for duplicates, and reports every change. Points of a list made for the unit pass as they
// are. Points are kept a file's worth at a time: each full batch goes to the batch handler, if
// there is one; without one, the points past the first file are only counted.
class ImportPipeline : public PointSink {
 public:
  using BatchHandler = std::function<void(std::span<const UnitPoint>)>;

  ImportPipeline(Datum datum, ProblemSink* reports, DuplicateRule duplicates,
                 BatchHandler fullBatches = {});

  // The points that follow come from another list: they are numbered from 1 again, their
  // reports carry reportedPath (Shift-JIS; empty while the run reads one list only), and held
  // says whether the list is the file being written to.
  void BeginList(std::string reportedPath, bool held);

  void Add(const MapPoint& given) override;
  void Add(const UnitPoint& point) override;
  void Skip(const SkippedItem& item) override;

  // The points not yet handed on: without a batch handler, the first file's worth.
  std::span<const UnitPoint> Batch() const { return batch_; }
  // Every point taken, handed on or not.
  std::uint64_t PointCount() const { return pointCount_; }
  // The points the list begun last gave, duplicates not added again among them.
  std::uint64_t ListPointCount() const { return listPoints_; }

 private:
  void Take(UnitPoint point, Problem report);
  void Tell(Problem report);

  Datum datum_;
  ProblemSink* reports_;
  DuplicateRule duplicateRule_;
  BatchHandler fullBatches_;
  std::vector<UnitPoint> batch_;
  std::uint64_t pointCount_ = 0;
  std::uint64_t numbered_ = 0;
  std::uint64_t listPoints_ = 0;
  std::string reportedPath_;
  bool held_ = false;
  DuplicatePoints taken_;
};

}  // namespace pinmover
