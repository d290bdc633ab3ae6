// Preloaded into the real converter to make the disk fail where a test says, through the same
// system calls the program makes:
//   PINMOVER_FAULT_WRITE_SPACE=N  writes to a "*.tmp" file fail with ENOSPC after N bytes
//   PINMOVER_FAULT_READ_BYTES=N   reads from a "*.pmf" file fail with EIO after N bytes
//   PINMOVER_FAULT_FSYNC=1        flushing a "*.tmp" file fails with EIO
#include <dlfcn.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>

namespace {

// The limit an environment variable sets, or -1 when it is not set.
long long Limit(const char* name) {
  const char* text = std::getenv(name);
  return text ? std::atoll(text) : -1;
}

bool NameEndsWith(int fd, std::string_view ending) {
  char link[64];
  char target[4096];
  std::snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
  ssize_t length = ::readlink(link, target, sizeof target);
  return length > 0 && std::string_view(target, static_cast<std::size_t>(length)).ends_with(ending);
}

template <class Function>
Function* Next(const char* name) {
  return reinterpret_cast<Function*>(::dlsym(RTLD_NEXT, name));
}

// Passes a transfer on within a byte budget: one that would cross the budget moves only the
// rest, and the next one fails with error.
template <class Buffer>
ssize_t WithinBudget(ssize_t (*next)(int, Buffer, std::size_t), int fd, Buffer buffer,
                     std::size_t count, long long limit, long long& used, int error) {
  auto left = static_cast<std::size_t>(std::max(0LL, limit - used));
  if (left == 0) {
    errno = error;
    return -1;
  }
  ssize_t moved = next(fd, buffer, std::min(count, left));
  if (moved > 0) used += moved;
  return moved;
}

}  // namespace

extern "C" ssize_t write(int fd, const void* buffer, std::size_t count) {
  static auto* next = Next<ssize_t(int, const void*, std::size_t)>("write");
  static const long long limit = Limit("PINMOVER_FAULT_WRITE_SPACE");
  static long long used = 0;
  if (limit >= 0 && count > 0 && NameEndsWith(fd, ".tmp")) {
    return WithinBudget(next, fd, buffer, count, limit, used, ENOSPC);
  }
  return next(fd, buffer, count);
}

extern "C" ssize_t read(int fd, void* buffer, std::size_t count) {
  static auto* next = Next<ssize_t(int, void*, std::size_t)>("read");
  static const long long limit = Limit("PINMOVER_FAULT_READ_BYTES");
  static long long used = 0;
  if (limit >= 0 && count > 0 && NameEndsWith(fd, ".pmf")) {
    return WithinBudget(next, fd, buffer, count, limit, used, EIO);
  }
  return next(fd, buffer, count);
}

extern "C" int fsync(int fd) {
  static auto* next = Next<int(int)>("fsync");
  static const bool fail = Limit("PINMOVER_FAULT_FSYNC") > 0;
  if (fail && NameEndsWith(fd, ".tmp")) {
    errno = EIO;
    return -1;
  }
  return next(fd);
}
