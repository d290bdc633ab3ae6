#pragma once

#include <string>

#include "platform/file_error.h"

namespace pinmover {

// Why a point list did not open, as the user is told it; empty for no failure.
std::string ListOpenFailureText(FileErrorCause cause);

// Why an output file did not open, as the open failure message says it.
std::string OpenFailureText(FileErrorCause cause);
// The whole message for a file that did not open: its path in quotes, then why.
std::string OpenFailureMessage(FileErrorCause cause, const std::string& path);

// The report of a file that failed after it was opened, naming the file by its full path.
std::string FileErrorReport(FileErrorCause cause, const std::string& fullPath);

}  // namespace pinmover
