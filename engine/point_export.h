#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/conversion_settings.h"
#include "formats/export_formats.h"
#include "platform/file_system.h"
#include "ui/dialog/application_messages.h"

namespace pinmover {

struct PointExport {
  std::string document;  // the whole output file
  std::size_t pointCount = 0;
  std::vector<std::string> problems;  // Shift-JIS: the file's own, then the export's
};

// A point file's points as a document of the given format, with everything found wrong on
// the way. Nothing when the file could not be read; the user has been told why.
std::optional<PointExport> ExportPointFile(FileSystem& files, ApplicationMessages& messages,
                                           const std::string& path, const ExportFormat& format,
                                           Datum datum);

// Puts document at path whole, or leaves path as it was and tells the user why.
bool WriteDocument(FileSystem& files, ApplicationMessages& messages, const std::string& path,
                   std::string_view document);

}  // namespace pinmover
