#include "formats/pnt/point_file_slots.h"

#include <memory>

#include "unitfile/point_file_reading.h"

namespace pinmover {

ReadResult ReadPointFileSlots(FileSystem& files, const std::string& path, PointSink& sink) {
  PointFileReading reading = ReadPointFile(files, path);
  if (reading.failure) {
    // Read as a list, it failed as every other list does.
    if (reading.failure->kind == ProblemKind::FileOpenFailed) {
      reading.failure->kind = ProblemKind::ListOpenFailed;
    }
    return {std::move(reading.failure)};
  }
  if (!reading.file.problems.empty()) {
    return {Problem{.kind = ProblemKind::DamagedPointFile,
                    .path = path,
                    .causes = std::move(reading.file.problems)}};
  }
  for (const InspectedPoint& point : reading.file.points) {
    UnitPoint unitPoint{.longitudeUnits = point.longitudeUnits,
                        .latitudeUnits = point.latitudeUnits,
                        .icon = point.icon,
                        .voiceCode = point.voiceCode,
                        .record = std::make_shared<const SlotBytes>(point.record)};
    for (std::size_t i = 0; i + 1 < point.nameUnits.size(); i += 2) {
      unitPoint.name.Append({point.nameUnits[i], point.nameUnits[i + 1]});
    }
    sink.Add(unitPoint);
  }
  return {};
}

}  // namespace pinmover
