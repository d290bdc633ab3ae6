#pragma once

#include <string>
#include <vector>

#include "input/input_point_record.h"

namespace pinmover::testing {

// The point list rules applied the plain way: the whole text at once, line by line, field by
// field, with unbounded strings cut only when stored. The streaming reader must agree with it.
std::vector<InputPointRecord> ReferenceParse(std::string text);

// The text with its control and non-ASCII bytes escaped, for failure messages.
std::string Escaped(const std::string& text);

}  // namespace pinmover::testing
