#pragma once

#include "platform/file_error.h"

namespace pinmover {

// Sorts an errno value into the file error causes.
FileErrorCause CauseFromErrno(int error) noexcept;

}  // namespace pinmover
