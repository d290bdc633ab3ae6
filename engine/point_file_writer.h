#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "formats/map_point.h"
#include "problem/problem.h"
#include "unitfile/point_image.h"

namespace pinmover {

// Fills one slot per point (at most the image's 200), all with the same icon and voice, and
// writes the image to outputPath: nothing when it was written, else why not.
std::optional<Problem> WritePointFile(PointImage& image, std::span<const UnitPoint> points,
                                      int icon, std::uint16_t voiceCode,
                                      const std::string& outputPath);

}  // namespace pinmover
