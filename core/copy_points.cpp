#include "core/copy_points.h"

#include <algorithm>
#include <cstdio>

namespace pinmover {

int CopyPoints(const PointListReader& reader, PointImage& image, int iconPosition,
               std::uint16_t voiceCode, const std::string& outputPath) {
  char iconText[16];
  std::snprintf(iconText, sizeof iconText, "%02d", iconPosition);
  int count = std::min(reader.GetCount(), maxPointsPerRun);
  for (int i = 0; i < count; ++i) {
    image.InitPoint(i);
    image.SetName(i, reader.GetName(i));
    image.SetIcon(i, iconText);
    image.SetVoice(i, voiceCode);
    image.SetLongitude(i, reader.GetFirstCoordinate(i));
    image.SetLatitude(i, reader.GetSecondCoordinate(i));
    image.Seal(i);
  }
  return image.Write(outputPath);
}

}  // namespace pinmover
