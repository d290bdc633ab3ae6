#pragma once

#include <functional>

#include "platform/file_system.h"
#include "ui/dialog/application_messages.h"

namespace pinmover {

// Runs one command of the program. A file error or a lack of memory that the command raises is
// reported to the user and then dropped, so that the program stays usable. Returns false when
// something was reported.
bool RunReportingErrors(ApplicationMessages& messages, FileSystem& files,
                        const std::function<void()>& command);

}  // namespace pinmover
