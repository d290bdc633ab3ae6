#include "platform/file_error.h"

#include <utility>

namespace pinmover {

FileError::FileError(FileErrorCause cause, std::string path)
    : std::runtime_error("file error " + std::to_string(static_cast<int>(cause))),
      cause_(cause),
      path_(std::move(path)) {}

}  // namespace pinmover
