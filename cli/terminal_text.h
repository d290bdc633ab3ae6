#pragma once

#include <string>
#include <string_view>

namespace pinmover {

// UTF-8 text from a file as it may reach a terminal: its control characters (C0, DEL and C1)
// shown as escapes, so that a file cannot move the cursor, retitle the window or worse.
std::string TerminalText(std::string_view utf8);

}  // namespace pinmover
