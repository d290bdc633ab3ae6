#pragma once

#include <optional>
#include <ostream>
#include <string>

namespace pinmover {

// A path from the command line as the file system takes it. Paths are Shift-JIS throughout the
// program, as the dialog's are, so that both front ends split, derive and show them alike; on a
// POSIX disk that means a way back to UTF-8 before the file is opened. A name Shift-JIS cannot
// hold would turn into another file's name, so it is refused with a message on err.
std::optional<std::string> SjisPathArgument(const std::string& utf8Path, std::ostream& err);

}  // namespace pinmover
