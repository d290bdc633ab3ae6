#include "engine/point_file_writer.h"

#include <algorithm>

namespace pinmover {

std::optional<Problem> WritePointFile(PointImage& image, std::span<const UnitPoint> points,
                                      int icon, std::uint16_t voiceCode,
                                      const std::string& outputPath) {
  const int count = static_cast<int>(std::min<std::size_t>(points.size(), maxPointsPerFile));
  image.Reset();
  for (int i = 0; i < count; ++i) {
    const UnitPoint& point = points[static_cast<std::size_t>(i)];
    if (point.record) {
      image.CopySlot(i, *point.record);
      continue;
    }
    image.InitPoint(i);
    image.SetSlotName(i, point.name);
    image.SetIcon(i, point.icon.value_or(icon));
    image.SetVoice(i, point.voiceCode.value_or(voiceCode));
    image.SetLongitudeUnits(i, point.longitudeUnits);
    image.SetLatitudeUnits(i, point.latitudeUnits);
    image.Seal(i);
  }
  return image.Write(outputPath);
}

}  // namespace pinmover
