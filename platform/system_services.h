#pragma once

#include <memory>

#include "platform/clock.h"
#include "platform/file_system.h"

namespace pinmover {

// The real disk and clock of the system the program was built for.
std::unique_ptr<FileSystem> MakeSystemFileSystem();
std::unique_ptr<Clock> MakeSystemClock();

}  // namespace pinmover
