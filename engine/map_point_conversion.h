#pragma once

#include <optional>
#include <vector>

#include "engine/conversion_settings.h"
#include "engine/unit_name.h"
#include "formats/map_point.h"
#include "problem/problem.h"

namespace pinmover {

// A map point in the unit's form, and every change on the way there.
struct MapPointConversion {
  std::optional<UnitPoint> point{};  // nothing when it is passed over: the changes say why
  // The WGS84 position taken: the point's own, or its link's where the app kept none.
  double latitude = 0;
  double longitude = 0;
  // Kind, line, name and detail of each change, in the order they happened.
  std::vector<Problem> changes{};
};

// Checks the point's range and its own icon and voice, moves it into datum and makes its name
// one the unit can show. The same point gives the same result on every platform.
MapPointConversion ConvertMapPoint(const MapPoint& point, Datum datum);

// What the name rules changed in a name, each as a change of the point base describes.
std::vector<Problem> NameChanges(const UnitName& name, const Problem& base);

// The problem kind of a reader's skipped item.
ProblemKind SkipKind(SkipReason reason);

}  // namespace pinmover
