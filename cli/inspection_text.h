#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace pinmover {

// A Shift-JIS text of a point file as UTF-8; a text that is not valid still shows, its bytes
// above ASCII escaped.
std::string ReadableUtf8(const std::string& sjis);

// The problems found in a point file, a line each, in the words every command uses for them.
void PrintProblems(const std::vector<std::string>& sjisProblems, std::ostream& out);

}  // namespace pinmover
