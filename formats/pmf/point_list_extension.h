#pragma once

#include <string_view>

namespace pinmover {

// Whether the last component of a Shift-JIS path ends in ".pmf", in any letter case.
bool HasPointListExtension(std::string_view path);

}  // namespace pinmover
