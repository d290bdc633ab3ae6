#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "formats/pmf/input_point_record.h"

namespace pinmover::testing {

// The point list rules applied the plain way: the whole text at once, line by line, field by
// field, with unbounded strings cut only when stored. The streaming reader must agree with it.
// Replaces what records held; a caller that parses often keeps one vector and its memory.
void ReferenceParse(std::string_view text, std::vector<InputPointRecord>& records);

// The text with its control and non-ASCII bytes escaped, for failure messages.
std::string Escaped(const std::string& text);

}  // namespace pinmover::testing
