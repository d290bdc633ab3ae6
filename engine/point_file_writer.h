#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "formats/map_point.h"
#include "problem/problem.h"
#include "unitfile/point_image.h"

namespace pinmover {

// Fills one slot per point (at most the image's 200) and writes the image to outputPath: nothing
// when it was written, else why not. A point a point file held is copied as it stood; the
// others take their own icon and voice, else these.
std::optional<Problem> WritePointFile(PointImage& image, std::span<const UnitPoint> points,
                                      int icon, std::uint16_t voiceCode,
                                      const std::string& outputPath);

}  // namespace pinmover
