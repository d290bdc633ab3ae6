#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cwchar>
#include <optional>
#include <random>
#include <tuple>
#include <utility>

#include "platform/system_services.h"
#include "platform/win32/error_code_causes.h"
#include "platform/win32/wide_text.h"

namespace pinmover {

namespace {

class Handle {
 public:
  explicit Handle(HANDLE handle) : handle_(handle) {}
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;
  ~Handle() { Reset(); }

  HANDLE Get() const noexcept { return handle_; }
  bool Valid() const noexcept { return handle_ != INVALID_HANDLE_VALUE; }
  HANDLE Release() noexcept { return std::exchange(handle_, INVALID_HANDLE_VALUE); }
  void Reset() noexcept {
    if (Valid()) ::CloseHandle(handle_);
    handle_ = INVALID_HANDLE_VALUE;
  }

 private:
  HANDLE handle_;
};

FileErrorCause LastCause() { return CauseFromErrorCode(::GetLastError()); }

// Share mode 0: nobody else may open the file while we hold it, and we get
// ERROR_SHARING_VIOLATION while anybody else holds it.
HANDLE OpenUnshared(const std::wstring& path, DWORD access, DWORD disposition) {
  return ::CreateFileW(path.c_str(), access, 0, nullptr, disposition, FILE_ATTRIBUTE_NORMAL,
                       nullptr);
}

// Which file a path names: its volume and its index there, without opening it for anything.
std::optional<std::tuple<DWORD, DWORD, DWORD>> FileIdentity(const std::string& path) {
  auto wide = WideFromSjis(path);
  if (!wide || wide->empty()) return std::nullopt;
  Handle file(::CreateFileW(wide->c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                            nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  BY_HANDLE_FILE_INFORMATION information{};
  if (!file.Valid() || !::GetFileInformationByHandle(file.Get(), &information)) return std::nullopt;
  return std::tuple{information.dwVolumeSerialNumber, information.nFileIndexHigh,
                    information.nFileIndexLow};
}

// ReadFile and WriteFile take at most a DWORD of bytes at a time.
DWORD Chunk(std::size_t remaining) {
  return static_cast<DWORD>(std::min<std::size_t>(remaining, 1u << 30));
}

class Win32InputFile : public InputFile {
 public:
  explicit Win32InputFile(HANDLE handle) : file_(handle) {}

  std::uint64_t Length() override {
    LARGE_INTEGER size{};
    if (!::GetFileSizeEx(file_.Get(), &size)) throw FileError(LastCause());
    return static_cast<std::uint64_t>(size.QuadPart);
  }

  std::size_t Read(std::span<char> buffer) override {
    std::size_t filled = 0;
    while (filled < buffer.size()) {
      DWORD got = 0;
      if (!::ReadFile(file_.Get(), buffer.data() + filled, Chunk(buffer.size() - filled), &got,
                      nullptr)) {
        throw FileError(LastCause());
      }
      if (got == 0) break;
      filled += got;
    }
    return filled;
  }

  void Seek(std::uint64_t offset) override {
    LARGE_INTEGER distance{};
    distance.QuadPart = static_cast<LONGLONG>(offset);
    if (offset > static_cast<std::uint64_t>(INT64_MAX) ||
        !::SetFilePointerEx(file_.Get(), distance, nullptr, FILE_BEGIN)) {
      throw FileError(FileErrorCause::BadSeek);
    }
  }

  void Close() override {
    if (!::CloseHandle(file_.Release())) throw FileError(LastCause());
  }

 private:
  Handle file_;
};

class Win32OutputFile : public OutputFile {
 public:
  Win32OutputFile(std::string path, std::wstring target, std::wstring temporary, HANDLE temp)
      : path_(std::move(path)),
        target_(std::move(target)),
        temporary_(std::move(temporary)),
        temp_(temp) {}

  ~Win32OutputFile() override {
    if (!temporary_.empty()) {
      temp_.Reset();
      ::DeleteFileW(temporary_.c_str());
    }
  }

  void Write(std::span<const char> bytes) override {
    std::size_t written = 0;
    while (written < bytes.size()) {
      DWORD put = 0;
      if (!::WriteFile(temp_.Get(), bytes.data() + written, Chunk(bytes.size() - written), &put,
                       nullptr)) {
        throw FileError(LastCause(), path_);
      }
      if (put == 0) throw FileError(FileErrorCause::DiskFull, path_);
      written += put;
    }
  }

  void Commit() override {
    if (!::FlushFileBuffers(temp_.Get())) throw FileError(LastCause(), path_);
    if (!::CloseHandle(temp_.Release())) throw FileError(LastCause());
    if (!::MoveFileExW(temporary_.c_str(), target_.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
      throw FileError(LastCause(), path_);
    }
    temporary_.clear();
  }

 private:
  std::string path_;        // as the caller named it, for messages
  std::wstring target_;     // absolute, so that a change of folder cannot redirect it
  std::wstring temporary_;  // empty once the content is in place
  Handle temp_;
};

std::wstring AbsolutePath(const std::wstring& path) {
  DWORD needed = ::GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
  if (needed == 0) return path;
  std::wstring full(needed, L'\0');
  DWORD length = ::GetFullPathNameW(path.c_str(), needed, full.data(), nullptr);
  if (length == 0 || length >= needed) return path;
  full.resize(length);
  return full;
}

// A short name beside the target, so that a target near the length limit still gets one.
std::wstring TemporaryName(const std::wstring& target) {
  static std::mt19937 generator{std::random_device{}()};
  wchar_t name[16];
  std::swprintf(name, std::size(name), L"~pm%08x.tmp", static_cast<unsigned>(generator()));
  return target.substr(0, target.find_last_of(L"\\/") + 1) + name;
}

// An existing target must be a disk file we may open for writing alone; it is closed again
// at once, since MoveFileExW cannot replace a file that is open.
FileErrorCause CheckReplaceable(const std::wstring& target) {
  DWORD attributes = ::GetFileAttributesW(target.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) {
    DWORD error = ::GetLastError();
    return error == ERROR_FILE_NOT_FOUND ? FileErrorCause::None : CauseFromErrorCode(error);
  }
  // Asked for explicitly: Wine run by the superuser would let a read-only file be opened.
  if (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)) {
    return FileErrorCause::AccessDenied;
  }
  Handle existing(OpenUnshared(target, GENERIC_WRITE, OPEN_EXISTING));
  if (!existing.Valid()) return LastCause();
  if (::GetFileType(existing.Get()) != FILE_TYPE_DISK) return FileErrorCause::AccessDenied;
  return FileErrorCause::None;
}

class Win32FileSystem : public FileSystem {
 public:
  OpenResult<InputFile> OpenForReading(const std::string& path) override {
    auto wide = WideFromSjis(path);
    if (!wide) return {nullptr, FileErrorCause::BadPath};
    Handle file(OpenUnshared(*wide, GENERIC_READ, OPEN_EXISTING));
    if (!file.Valid()) return {nullptr, LastCause()};
    // Devices such as CON or a pipe are no point lists.
    if (::GetFileType(file.Get()) != FILE_TYPE_DISK) return {nullptr, FileErrorCause::InvalidFile};
    return {std::make_unique<Win32InputFile>(file.Release()), FileErrorCause::None};
  }

  OpenResult<OutputFile> OpenForReplacing(const std::string& path) override {
    auto wide = WideFromSjis(path);
    if (!wide || wide->empty()) return {nullptr, FileErrorCause::BadPath};
    std::wstring target = AbsolutePath(*wide);
    if (auto cause = CheckReplaceable(target); cause != FileErrorCause::None) {
      return {nullptr, cause};
    }
    for (int attempt = 0; attempt < 100; ++attempt) {
      std::wstring temporary = TemporaryName(target);
      HANDLE temp = OpenUnshared(temporary, GENERIC_WRITE, CREATE_NEW);
      if (temp == INVALID_HANDLE_VALUE) {
        DWORD error = ::GetLastError();
        if (error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS) continue;
        return {nullptr, CauseFromErrorCode(error)};
      }
      return {std::make_unique<Win32OutputFile>(path, std::move(target), std::move(temporary),
                                                temp),
              FileErrorCause::None};
    }
    return {nullptr, FileErrorCause::Generic};
  }

  bool SameFile(const std::string& first, const std::string& second) override {
    auto one = FileIdentity(first);
    return one && one == FileIdentity(second);
  }

  std::string FullPath(const std::string& path) override {
    auto wide = WideFromSjis(path);
    if (!wide || wide->empty()) return path;
    return SjisFromWide(AbsolutePath(*wide)).value_or(path);
  }
};

}  // namespace

std::unique_ptr<FileSystem> MakeSystemFileSystem() { return std::make_unique<Win32FileSystem>(); }

}  // namespace pinmover
