#pragma once

#include <string>

namespace pinmover {

// The process's current working directory as a Shift-JIS path, in the form the system
// reports it; empty when it cannot be told or not written in Shift-JIS.
std::string CurrentDirectory();

}  // namespace pinmover
