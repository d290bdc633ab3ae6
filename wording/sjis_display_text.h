#pragma once

#include <string>
#include <string_view>

namespace pinmover {

// A UTF-8 text for a message: Shift-JIS, each character it cannot hold (and each broken byte)
// shown as '?', so that nothing of the rest is lost.
std::string SjisDisplayText(std::string_view utf8);

}  // namespace pinmover
