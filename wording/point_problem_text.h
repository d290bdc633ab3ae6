#pragma once

#include <string>

#include "problem/problem.h"

namespace pinmover {

// What a conversion changed in a point or passed over, as one line of Japanese: UTF-8, since it
// quotes the map app's name as the file gives it. While a run reads several lists, the line
// begins with the list's path.
std::string PointProblemText(const Problem& problem);

// The same words without saying where the point stands, for a note beside the point itself.
std::string PointChangeText(const Problem& problem);

}  // namespace pinmover
