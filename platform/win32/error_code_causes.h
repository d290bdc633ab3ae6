#pragma once

#include <windows.h>

#include "platform/file_error.h"

namespace pinmover {

// Sorts a GetLastError code into the file error causes.
FileErrorCause CauseFromErrorCode(DWORD code) noexcept;

}  // namespace pinmover
