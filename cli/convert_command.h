#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "engine/conversion_settings.h"

namespace pinmover {

struct ConvertOptions {
  std::vector<std::string> inputs;  // UTF-8, as given on the command line
  std::string output;               // UTF-8; empty for the path derived from the one input
  ConversionSettings settings;
  bool datumGiven = false;  // --datum was on the command line
  bool append = false;      // the output file's points come first
  bool keepDuplicates = false;
};

// Converts point lists into one point file (or numbered ones); the exit status is 0 when the
// file was written, 1 when the conversion failed and 2 when the paths or options cannot be
// used. Messages and reports go to err as UTF-8.
int RunConvert(const ConvertOptions& options, const std::string& applicationName, std::ostream& out,
               std::ostream& err);

}  // namespace pinmover
