#include "platform/posix/errno_causes.h"

#include <cerrno>

namespace pinmover {

FileErrorCause CauseFromErrno(int error) noexcept {
  switch (error) {
    case 0:
      return FileErrorCause::None;
    case ENOENT:
      return FileErrorCause::FileNotFound;
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP:
    case EINVAL:
    case EILSEQ:
      return FileErrorCause::BadPath;
    case EMFILE:
    case ENFILE:
      return FileErrorCause::TooManyOpenFiles;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
      return FileErrorCause::AccessDenied;
    case EBADF:
      return FileErrorCause::InvalidFile;
    case EBUSY:
      return FileErrorCause::RemoveCurrentDir;
    case ESPIPE:
      return FileErrorCause::BadSeek;
    case EIO:
    case ENXIO:
    case ENODEV:
      return FileErrorCause::HardIO;
    case EWOULDBLOCK:
    case ETXTBSY:
      return FileErrorCause::SharingViolation;
    case ENOLCK:
    case EDEADLK:
      return FileErrorCause::LockViolation;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
      return FileErrorCause::DiskFull;
    default:
      return FileErrorCause::Generic;
  }
}

}  // namespace pinmover
