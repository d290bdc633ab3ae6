#pragma once

#include <string_view>

namespace pinmover {

// utf8 without the blanks around it: spaces, tabs, line breaks and ideographic spaces.
std::string_view TrimBlanks(std::string_view utf8);

}  // namespace pinmover
