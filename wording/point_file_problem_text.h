#pragma once

#include <string>

#include "problem/problem.h"

namespace pinmover {

// What a point file holds that a written one never has, or what its export could not write, in
// the words every command uses for it (Shift-JIS).
std::string PointFileProblemText(const Problem& problem);

}  // namespace pinmover
