#pragma once

#include <optional>
#include <string>

#include "unitfile/point_file_inspection.h"
#include "platform/file_system.h"
#include "ui/dialog/application_messages.h"

namespace pinmover {

// Reads a point file as a navigation unit would (at most one image's bytes) and inspects it.
// Nothing when the file could not be opened or read; the user has been told why.
std::optional<PointFileInspection> ReadPointFile(FileSystem& files, ApplicationMessages& messages,
                                                 const std::string& path);

}  // namespace pinmover
