#include "platform/win32/error_code_causes.h"

namespace pinmover {

FileErrorCause CauseFromErrorCode(DWORD code) noexcept {
  switch (code) {
    case ERROR_SUCCESS:
      return FileErrorCause::None;
    case ERROR_FILE_NOT_FOUND:
      return FileErrorCause::FileNotFound;
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME:
    case ERROR_FILENAME_EXCED_RANGE:
    case ERROR_INVALID_DRIVE:
    case ERROR_DIRECTORY:
      return FileErrorCause::BadPath;
    case ERROR_TOO_MANY_OPEN_FILES:
      return FileErrorCause::TooManyOpenFiles;
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT:
      return FileErrorCause::AccessDenied;
    case ERROR_INVALID_HANDLE:
      return FileErrorCause::InvalidFile;
    case ERROR_CURRENT_DIRECTORY:
      return FileErrorCause::RemoveCurrentDir;
    case ERROR_CANNOT_MAKE:
      return FileErrorCause::DirectoryFull;
    case ERROR_SEEK:
    case ERROR_NEGATIVE_SEEK:
      return FileErrorCause::BadSeek;
    case ERROR_BAD_UNIT:
    case ERROR_NOT_READY:
    case ERROR_CRC:
    case ERROR_NOT_DOS_DISK:
    case ERROR_SECTOR_NOT_FOUND:
    case ERROR_WRITE_FAULT:
    case ERROR_READ_FAULT:
    case ERROR_GEN_FAILURE:
    case ERROR_DEV_NOT_EXIST:
    case ERROR_IO_DEVICE:
      return FileErrorCause::HardIO;
    case ERROR_SHARING_VIOLATION:
      return FileErrorCause::SharingViolation;
    case ERROR_LOCK_VIOLATION:
      return FileErrorCause::LockViolation;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
      return FileErrorCause::DiskFull;
    case ERROR_HANDLE_EOF:
      return FileErrorCause::EndOfFile;
    default:
      return FileErrorCause::Generic;
  }
}

}  // namespace pinmover
