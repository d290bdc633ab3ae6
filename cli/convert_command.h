#pragma once

#include <optional>
#include <ostream>
#include <string>

#include "engine/conversion_settings.h"

namespace pinmover {

struct ConvertOptions {
  std::string input;   // UTF-8, as given on the command line
  std::string output;  // UTF-8; empty for the path derived from the input
  ConversionSettings settings;
  bool datumGiven = false;  // --datum was on the command line
};

// Converts one point list; the exit status is 0 when the file was written, 1 when the
// conversion failed and 2 when the paths or options cannot be used. Messages and reports go
// to err as UTF-8.
int RunConvert(const ConvertOptions& options, const std::string& applicationName, std::ostream& out,
               std::ostream& err);

}  // namespace pinmover
