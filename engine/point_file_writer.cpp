#include "engine/point_file_writer.h"

#include <algorithm>
#include <cstdio>

namespace pinmover {

int WritePointFile(PointImage& image, std::span<const UnitPoint> points, int icon,
                   std::uint16_t voiceCode, const std::string& outputPath) {
  char iconText[16];
  std::snprintf(iconText, sizeof iconText, "%02d", icon);
  const int count = static_cast<int>(std::min<std::size_t>(points.size(), PointImage::maxUsedSlots));
  image.Reset();
  for (int i = 0; i < count; ++i) {
    const UnitPoint& point = points[static_cast<std::size_t>(i)];
    image.InitPoint(i);
    image.SetName(i, point.name);
    image.SetIcon(i, iconText);
    image.SetVoice(i, voiceCode);
    image.SetLongitudeUnits(i, point.longitudeUnits);
    image.SetLatitudeUnits(i, point.latitudeUnits);
    image.Seal(i);
  }
  return image.Write(outputPath);
}

}  // namespace pinmover
