#pragma once

#include <string>

namespace pinmover::testing {

// Starts the program the given number of times, as a user would, and prints for each start the
// milliseconds until its dialog waits for input, and until the process has ended after the
// dialog was closed (a console program: until it ended by itself). Ends with the medians.
// 0 when every start showed what it should.
int ReportStartUpTimes(const std::wstring& executable, const std::wstring& argumentText,
                       int starts);

}  // namespace pinmover::testing
