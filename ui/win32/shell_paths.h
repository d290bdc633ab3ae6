#pragma once

#include <windows.h>
// After windows.h, whose types they use.
#include <shellapi.h>

#include <string>
#include <vector>

namespace pinmover {

// The running program's own path, Shift-JIS (its name is the application's name); empty when
// the system does not give it.
std::string ExecutablePath();

// The paths of the files dropped on a window, Shift-JIS, in the order the system gives them.
std::vector<std::string> DroppedNames(HDROP drop);

}  // namespace pinmover
