#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "formats/exported_point.h"

namespace pinmover {

// One map-app format that a point file's points can be written in.
struct ExportFormat {
  std::string_view name;                     // as the user chooses it
  std::vector<std::string_view> extensions;  // the first one names a new file
  std::string (*document)(std::span<const ExportedPoint> points);
};

// Every format points can be written in; GPX, the most widely read, first.
const std::vector<ExportFormat>& ExportFormats();
const ExportFormat* ExportFormatNamed(std::string_view name);
// The format whose extension path has, in any letter case.
const ExportFormat* ExportFormatForPath(std::string_view path);

}  // namespace pinmover
