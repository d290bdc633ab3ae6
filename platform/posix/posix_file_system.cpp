#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <limits>
#include <random>
#include <utility>

#include "platform/posix/errno_causes.h"
#include "platform/system_services.h"
#include "platform/text_encoding.h"

namespace pinmover {

namespace {

class Descriptor {
 public:
  Descriptor() = default;
  explicit Descriptor(int fd) : fd_(fd) {}
  Descriptor(Descriptor&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
  Descriptor& operator=(Descriptor&& other) noexcept {
    Reset();
    fd_ = std::exchange(other.fd_, -1);
    return *this;
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  ~Descriptor() { Reset(); }

  int Get() const noexcept { return fd_; }
  bool Valid() const noexcept { return fd_ >= 0; }
  int Release() noexcept { return std::exchange(fd_, -1); }
  void Reset() noexcept {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
  }

 private:
  int fd_ = -1;
};

std::string FolderOf(const std::string& path) {
  auto slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

bool IsFolder(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// A missing file is told apart from a missing folder on its way, as Windows does.
FileErrorCause OpenCause(int error, const std::string& nativePath) {
  if (error == ENOENT && !IsFolder(FolderOf(nativePath))) return FileErrorCause::BadPath;
  return CauseFromErrno(error);
}

// Another pinmover, or any program that locks too, is kept out while the file is in use.
// The lock is advisory: a program that ignores locks can still open the file.
FileErrorCause LockExclusively(int fd) {
  while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    if (errno == EINTR) continue;
    return errno == EWOULDBLOCK ? FileErrorCause::SharingViolation : CauseFromErrno(errno);
  }
  return FileErrorCause::None;
}

class PosixInputFile : public InputFile {
 public:
  explicit PosixInputFile(Descriptor fd) : fd_(std::move(fd)) {}

  std::uint64_t Length() override {
    struct stat info {};
    if (::fstat(fd_.Get(), &info) != 0) throw FileError(CauseFromErrno(errno));
    return static_cast<std::uint64_t>(info.st_size);
  }

  std::size_t Read(std::span<char> buffer) override {
    std::size_t filled = 0;
    while (filled < buffer.size()) {
      ssize_t got = ::read(fd_.Get(), buffer.data() + filled, buffer.size() - filled);
      if (got < 0) {
        if (errno == EINTR) continue;
        throw FileError(CauseFromErrno(errno));
      }
      if (got == 0) break;
      filled += static_cast<std::size_t>(got);
    }
    return filled;
  }

  void Seek(std::uint64_t offset) override {
    if (offset > static_cast<std::uint64_t>(std::numeric_limits<off_t>::max()) ||
        ::lseek(fd_.Get(), static_cast<off_t>(offset), SEEK_SET) < 0) {
      throw FileError(FileErrorCause::BadSeek);
    }
  }

  void Close() override {
    if (::close(fd_.Release()) != 0) throw FileError(CauseFromErrno(errno));
  }

 private:
  Descriptor fd_;
};

class PosixOutputFile : public OutputFile {
 public:
  PosixOutputFile(std::string path, std::string target, std::string temporary, Descriptor held,
                  Descriptor temp)
      : path_(std::move(path)),
        target_(std::move(target)),
        temporary_(std::move(temporary)),
        held_(std::move(held)),
        temp_(std::move(temp)) {}

  ~PosixOutputFile() override {
    if (!temporary_.empty()) {
      temp_.Reset();
      ::unlink(temporary_.c_str());
    }
  }

  void Write(std::span<const char> bytes) override {
    std::size_t written = 0;
    while (written < bytes.size()) {
      ssize_t put = ::write(temp_.Get(), bytes.data() + written, bytes.size() - written);
      if (put < 0) {
        if (errno == EINTR) continue;
        throw FileError(CauseFromErrno(errno), path_);
      }
      if (put == 0) throw FileError(FileErrorCause::DiskFull, path_);
      written += static_cast<std::size_t>(put);
    }
  }

  void Commit() override {
    if (::fsync(temp_.Get()) != 0) throw FileError(CauseFromErrno(errno), path_);
    if (::close(temp_.Release()) != 0) throw FileError(CauseFromErrno(errno));
    if (::rename(temporary_.c_str(), target_.c_str()) != 0) {
      throw FileError(CauseFromErrno(errno), path_);
    }
    temporary_.clear();
    Descriptor folder(::open(FolderOf(target_).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.Valid()) ::fsync(folder.Get());
    held_.Reset();
  }

 private:
  std::string path_;       // as the caller named it, for messages
  std::string target_;     // the file that gets replaced, links resolved
  std::string temporary_;  // empty once the content is in place
  Descriptor held_;        // the earlier file, locked while it is being replaced
  Descriptor temp_;
};

// A hidden name beside the target that tells whose temporary it is. A target whose name is
// nearly as long as a name may be leaves no room for that, and its temporary goes without it.
std::string TemporaryName(const std::string& target) {
  static std::mt19937 generator{std::random_device{}()};
  auto slash = target.find_last_of('/');
  std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
  std::string suffix = "." + std::to_string(generator() % 1000000000u) + ".tmp";
  if (1 + name.size() + suffix.size() > NAME_MAX) name = "pinmover";
  return FolderOf(target) + "/." + name + suffix;
}

// Paths are Shift-JIS inside the program and UTF-8 on a POSIX disk.
std::optional<std::string> NativePath(const std::string& sjisPath) { return SjisToUtf8(sjisPath); }

class PosixFileSystem : public FileSystem {
 public:
  OpenResult<InputFile> OpenForReading(const std::string& path) override {
    auto native = NativePath(path);
    if (!native) return {nullptr, FileErrorCause::BadPath};
    // Non-blocking, so that a FIFO without a writer cannot stall the open.
    Descriptor fd(::open(native->c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (!fd.Valid()) return {nullptr, OpenCause(errno, *native)};
    struct stat info {};
    if (::fstat(fd.Get(), &info) != 0) return {nullptr, CauseFromErrno(errno)};
    if (S_ISDIR(info.st_mode)) return {nullptr, FileErrorCause::AccessDenied};
    if (!S_ISREG(info.st_mode)) return {nullptr, FileErrorCause::InvalidFile};
    if (auto cause = LockExclusively(fd.Get()); cause != FileErrorCause::None) return {nullptr, cause};
    int flags = ::fcntl(fd.Get(), F_GETFL);
    if (flags >= 0) ::fcntl(fd.Get(), F_SETFL, flags & ~O_NONBLOCK);
    return {std::make_unique<PosixInputFile>(std::move(fd)), FileErrorCause::None};
  }

  OpenResult<OutputFile> OpenForReplacing(const std::string& path) override {
    auto native = NativePath(path);
    if (!native || native->empty()) return {nullptr, FileErrorCause::BadPath};
    std::string target = *native;
    Descriptor held;
    mode_t mode = 0666;
    struct stat info {};
    if (::lstat(target.c_str(), &info) == 0 && S_ISLNK(info.st_mode)) {
      if (char* resolved = ::realpath(target.c_str(), nullptr)) {
        target = resolved;
        std::free(resolved);
      }
    }
    if (::stat(target.c_str(), &info) == 0) {
      if (!S_ISREG(info.st_mode)) return {nullptr, FileErrorCause::AccessDenied};
      held = Descriptor(::open(target.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
      if (!held.Valid()) return {nullptr, OpenCause(errno, target)};
      if (auto cause = LockExclusively(held.Get()); cause != FileErrorCause::None) {
        return {nullptr, cause};
      }
      mode = info.st_mode & 07777;
    } else if (errno != ENOENT) {
      return {nullptr, OpenCause(errno, target)};
    }
    for (int attempt = 0; attempt < 100; ++attempt) {
      std::string temporary = TemporaryName(target);
      Descriptor temp(::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600));
      if (!temp.Valid()) {
        if (errno == EEXIST) continue;
        return {nullptr, OpenCause(errno, temporary)};
      }
      // The new file gets the permissions the earlier one had, or those of a plain new file.
      if (!held.Valid()) {
        mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
      }
      ::fchmod(temp.Get(), mode);
      return {std::make_unique<PosixOutputFile>(path, target, temporary, std::move(held),
                                                std::move(temp)),
              FileErrorCause::None};
    }
    return {nullptr, FileErrorCause::Generic};
  }

  bool SameFile(const std::string& first, const std::string& second) override {
    auto one = NativePath(first);
    auto two = NativePath(second);
    struct stat oneInfo {};
    struct stat twoInfo {};
    return one && two && ::stat(one->c_str(), &oneInfo) == 0 &&
           ::stat(two->c_str(), &twoInfo) == 0 && oneInfo.st_dev == twoInfo.st_dev &&
           oneInfo.st_ino == twoInfo.st_ino;
  }

  std::string FullPath(const std::string& path) override {
    if (!path.empty() && path.front() == '/') return path;
    char buffer[PATH_MAX];
    if (::getcwd(buffer, sizeof buffer) == nullptr) return path;
    auto folder = Utf8ToSjis(buffer);
    if (!folder) return path;
    return *folder + (folder->ends_with('/') ? "" : "/") + path;
  }
};

}  // namespace

std::unique_ptr<FileSystem> MakeSystemFileSystem() { return std::make_unique<PosixFileSystem>(); }

}  // namespace pinmover
