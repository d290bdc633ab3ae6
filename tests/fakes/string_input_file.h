#pragma once

#include <algorithm>
#include <cstring>
#include <functional>
#include <string>

#include "platform/file_system.h"

namespace pinmover::testing {

// A file held in a string that can hand its bytes out in pieces smaller than asked for, so that
// lines and fields fall across every possible read boundary.
class StringInputFile : public InputFile {
 public:
  // pieceSize gives the most bytes the next read returns; without it reads fill the buffer.
  explicit StringInputFile(std::string content, std::function<std::size_t()> pieceSize = {})
      : content_(std::move(content)), pieceSize_(std::move(pieceSize)) {}

  std::uint64_t Length() override { return content_.size(); }
  std::size_t Read(std::span<char> buffer) override {
    std::size_t count = std::min(buffer.size(), content_.size() - bytesRead);
    if (pieceSize_) count = std::min(count, pieceSize_());
    std::memcpy(buffer.data(), content_.data() + bytesRead, count);
    bytesRead += count;
    return count;
  }
  void Seek(std::uint64_t offset) override {
    bytesRead = static_cast<std::size_t>(std::min<std::uint64_t>(offset, content_.size()));
  }
  void Close() override {}

  std::size_t bytesRead = 0;

 private:
  std::string content_;
  std::function<std::size_t()> pieceSize_;
};

}  // namespace pinmover::testing
