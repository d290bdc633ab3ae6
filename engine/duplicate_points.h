#pragma once

#include <cstdint>
#include <optional>
#include <unordered_map>

#include "formats/map_point.h"

namespace pinmover {

// Points this close on the ground, under one name, are one place entered twice.
inline constexpr double duplicateMetres = 30;

// The points a run has taken, to find each new one among them again: a duplicate has the same
// name as the unit shows it and lies within duplicateMetres of the earlier point, in the datum
// both are written in. The first of a place entered several times stands for them all: only
// points that are no duplicates are added. Points are kept by name in a grid of cells at least
// duplicateMetres wide, so that a cell holds few points of one name, and looking one up costs
// the same however many points, of whatever names, the run holds.
class DuplicatePoints {
 public:
  struct Match {
    std::uint64_t index = 0;  // the earlier point's, as given to Add
    bool held = false;        // it came from the file written to
    double metres = 0;
  };

  // The earlier point that point duplicates, if any: one the output held before any other,
  // else the nearest.
  std::optional<Match> Find(const UnitPoint& point) const;
  void Add(const UnitPoint& point, std::uint64_t index, bool held);

 private:
  struct Entry {
    SlotName name;
    std::int32_t latitudeUnits;
    std::int32_t longitudeUnits;
    std::uint64_t index;
    bool held;
  };

  std::unordered_multimap<std::uint64_t, Entry> cells_;
};

}  // namespace pinmover
