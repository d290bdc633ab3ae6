#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/conversion_settings.h"
#include "formats/registry.h"
#include "platform/file_system.h"
#include "problem/problem.h"

namespace pinmover {

struct PointExport {
  std::optional<Problem> failure;  // the point file could not be read: nothing was exported
  std::string document;            // the whole output file
  std::size_t pointCount = 0;
  std::vector<Problem> problems;  // the file's own, then the export's
};

// A point file's points as a document of the given format, with everything found wrong on
// the way.
PointExport ExportPointFile(FileSystem& files, const std::string& path, const Format& format,
                            Datum datum);

// Puts document at path whole, or leaves path as it was: nothing when it was written, else why
// not.
std::optional<Problem> WriteDocument(FileSystem& files, const std::string& path,
                                     std::string_view document);

}  // namespace pinmover
