#pragma once

#include <ostream>
#include <string>

#include "engine/conversion_settings.h"

namespace pinmover {

// Names the standard output instead of a file.
inline constexpr std::string_view standardOutputPath = "-";

struct ExportOptions {
  std::string input;           // UTF-8, as given on the command line
  std::string output;          // UTF-8; empty for the input's path with the format's extension
  std::string format;          // empty for the output's extension, else GPX
  Datum datum = Datum::Tokyo;  // the datum the point file is in
};

// Writes a point file's points in a map app's format. The exit status is 0 when the whole file
// was exported, 1 when the file or anything in it was wrong (what could be read is exported
// all the same) or the output could not be written, and 2 when the paths cannot be used.
// Problems and messages go to err as UTF-8.
int RunExport(const ExportOptions& options, const std::string& applicationName, std::ostream& out,
              std::ostream& err);

}  // namespace pinmover
