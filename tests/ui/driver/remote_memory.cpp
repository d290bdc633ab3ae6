#include "tests/ui/driver/remote_memory.h"

#include <shlobj.h>

#include <cstring>

namespace pinmover::testing {

RemoteMemory::RemoteMemory(HANDLE process, std::size_t size)
    : process_(process),
      block_(::VirtualAllocEx(process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE)) {}

RemoteMemory::~RemoteMemory() {
  if (block_ != nullptr) ::VirtualFreeEx(process_, block_, 0, MEM_RELEASE);
}

void RemoteMemory::Write(std::size_t offset, const void* bytes, std::size_t size) {
  if (block_ != nullptr) ::WriteProcessMemory(process_, At(offset), bytes, size, nullptr);
}

void RemoteMemory::Read(std::size_t offset, void* bytes, std::size_t size) const {
  if (block_ != nullptr) ::ReadProcessMemory(process_, At(offset), bytes, size, nullptr);
}

RemoteDrop::RemoteDrop(HANDLE process, const std::vector<std::wstring>& names)
    : block_(Block(names)), memory_(process, block_.size()) {
  memory_.Write(0, block_.data(), block_.size());
}

std::vector<char> RemoteDrop::Block(const std::vector<std::wstring>& names) {
  std::vector<char> block(sizeof(DROPFILES));
  DROPFILES header{};
  header.pFiles = sizeof(DROPFILES);
  header.fWide = TRUE;
  std::memcpy(block.data(), &header, sizeof header);
  for (const std::wstring& name : names) {
    const char* bytes = reinterpret_cast<const char*>(name.c_str());
    block.insert(block.end(), bytes, bytes + (name.size() + 1) * sizeof(wchar_t));
  }
  block.insert(block.end(), sizeof(wchar_t), '\0');
  return block;
}

}  // namespace pinmover::testing
