#pragma once

#include <windows.h>
// After windows.h, whose types they use.
#include <shellapi.h>

#include <cstddef>
#include <string>
#include <vector>

namespace pinmover::testing {

// A block of the program's own memory, for the messages whose arguments point at memory: a
// pointer of ours means nothing in the program, and the system carries only its own messages'
// data across.
class RemoteMemory {
 public:
  RemoteMemory(HANDLE process, std::size_t size);
  ~RemoteMemory();
  RemoteMemory(const RemoteMemory&) = delete;
  RemoteMemory& operator=(const RemoteMemory&) = delete;

  bool Valid() const noexcept { return block_ != nullptr; }
  // The program's address of the byte at offset.
  void* At(std::size_t offset = 0) const noexcept { return static_cast<char*>(block_) + offset; }
  void Write(std::size_t offset, const void* bytes, std::size_t size);
  void Read(std::size_t offset, void* bytes, std::size_t size) const;

  template <class T>
  void Put(const T& value, std::size_t offset = 0) {
    Write(offset, &value, sizeof value);
  }
  template <class T>
  T Get(std::size_t offset = 0) const {
    T value{};
    Read(offset, &value, sizeof value);
    return value;
  }

 private:
  HANDLE process_;
  void* block_ = nullptr;
};

// Delivers a drop as the shell's fallback does for a window that accepts files: a DROPFILES
// block the target can read, handed over with WM_DROPFILES.
class RemoteDrop {
 public:
  RemoteDrop(HANDLE process, const std::vector<std::wstring>& names);
  HDROP Handle() const { return memory_.Valid() ? static_cast<HDROP>(memory_.At()) : nullptr; }

 private:
  static std::vector<char> Block(const std::vector<std::wstring>& names);

  std::vector<char> block_;
  RemoteMemory memory_;
};

}  // namespace pinmover::testing
