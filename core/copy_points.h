#pragma once

#include <cstdint>
#include <string>

#include "input/point_list_reader.h"
#include "output/point_image.h"

namespace pinmover {

inline constexpr int maxPointsPerRun = 200;

// Fills one slot per point of the reader, all with the same icon and voice, and writes the
// image to outputPath. Returns what the image's Write returns.
int CopyPoints(const PointListReader& reader, PointImage& image, int iconPosition,
               std::uint16_t voiceCode, const std::string& outputPath);

}  // namespace pinmover
