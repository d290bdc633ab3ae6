#pragma once

#include <optional>
#include <ostream>
#include <string>

namespace pinmover {

// A path from the command line as the file system takes it. A name Shift-JIS cannot hold would
// turn into another file's name, so it is refused with a message on err.
std::optional<std::string> SjisPathArgument(const std::string& utf8Path, std::ostream& err);

}  // namespace pinmover
