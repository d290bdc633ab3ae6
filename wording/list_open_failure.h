#pragma once

#include <string>

#include "platform/file_error.h"

namespace pinmover {

// Why a point list did not open, as the user is told it; empty for no failure.
std::string ListOpenFailureText(FileErrorCause cause);

}  // namespace pinmover
