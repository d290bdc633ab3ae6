#pragma once

#include <stdexcept>
#include <string>

namespace pinmover {

// Why a file operation failed, sorted into the classes the user's messages are written for.
enum class FileErrorCause : int {
  None = 0,
  Generic = 1,
  FileNotFound = 2,
  BadPath = 3,
  TooManyOpenFiles = 4,
  AccessDenied = 5,
  InvalidFile = 6,
  RemoveCurrentDir = 7,
  DirectoryFull = 8,
  BadSeek = 9,
  HardIO = 10,
  SharingViolation = 11,
  LockViolation = 12,
  DiskFull = 13,
  EndOfFile = 14,
};

// Raised when a file fails after it was opened; the run that met it is abandoned.
class FileError : public std::runtime_error {
 public:
  // path is a Shift-JIS path, or empty when the failure names no file (a read or a close).
  explicit FileError(FileErrorCause cause, std::string path = {});

  FileErrorCause Cause() const noexcept { return cause_; }
  const std::string& Path() const noexcept { return path_; }

 private:
  FileErrorCause cause_;
  std::string path_;
};

}  // namespace pinmover
