#pragma once

#include <ostream>
#include <string>

namespace pinmover {

// Shows what a navigation unit would read from a file: a table, or one JSON object.
// The exit status is 0 when the file could be read, 1 when it could not.
int RunDump(const std::string& utf8Path, bool json, const std::string& applicationName,
            std::ostream& out, std::ostream& err);

}  // namespace pinmover
