#pragma once

#include <string>

namespace pinmover::testing {

// Starts the program on a list, presses 変換 and leaves the point list window open, wide enough
// for every column, for a minute: a picture of it is taken meanwhile. Prints the window's place
// on the screen as X geometry (WIDTHxHEIGHT+X+Y) once it is drawn; 0 when it was shown.
int PoseReviewWindow(const std::wstring& executable, const std::wstring& list);

}  // namespace pinmover::testing
