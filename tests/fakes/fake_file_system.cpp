#include "tests/fakes/fake_file_system.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace pinmover::testing {

namespace {

class FakeInputFile : public InputFile {
 public:
  FakeInputFile(FakeFileSystem& disk, std::string content, FakeFileSystem::Faults faults)
      : disk_(disk), content_(std::move(content)), faults_(faults) {
    ++disk_.openFiles;
  }
  ~FakeInputFile() override {
    if (open_) --disk_.openFiles;
  }

  std::uint64_t Length() override { return content_.size(); }

  std::size_t Read(std::span<char> buffer) override {
    disk_.largestRequest = std::max(disk_.largestRequest, buffer.size());
    std::size_t count = std::min(buffer.size(), content_.size() - position_);
    if (faults_.failAfterBytes && position_ + count > *faults_.failAfterBytes) {
      throw FileError(faults_.ioCause);
    }
    std::memcpy(buffer.data(), content_.data() + position_, count);
    position_ += count;
    return count;
  }

  void Seek(std::uint64_t offset) override {
    position_ = static_cast<std::size_t>(std::min<std::uint64_t>(offset, content_.size()));
  }

  void Close() override {
    open_ = false;
    --disk_.openFiles;
    if (faults_.commitCause != FileErrorCause::None) throw FileError(faults_.commitCause);
  }

 private:
  FakeFileSystem& disk_;
  std::string content_;
  FakeFileSystem::Faults faults_;
  std::size_t position_ = 0;
  bool open_ = true;
};

class FakeOutputFile : public OutputFile {
 public:
  FakeOutputFile(FakeFileSystem& disk, std::string path, FakeFileSystem::Faults faults)
      : disk_(disk), path_(std::move(path)), faults_(faults) {
    ++disk_.openFiles;
  }
  ~FakeOutputFile() override {
    if (open_) --disk_.openFiles;
  }

  void Write(std::span<const char> bytes) override {
    disk_.largestRequest = std::max(disk_.largestRequest, bytes.size());
    if (faults_.failAfterBytes && pending_.size() + bytes.size() > *faults_.failAfterBytes) {
      throw FileError(faults_.ioCause, path_);
    }
    pending_.append(bytes.data(), bytes.size());
  }

  void Commit() override {
    open_ = false;
    --disk_.openFiles;
    if (faults_.commitCause != FileErrorCause::None) throw FileError(faults_.commitCause);
    disk_.files[path_] = std::move(pending_);
  }

 private:
  FakeFileSystem& disk_;
  std::string path_;
  FakeFileSystem::Faults faults_;
  std::string pending_;
  bool open_ = true;
};

}  // namespace

OpenResult<InputFile> FakeFileSystem::OpenForReading(const std::string& path) {
  Faults fault = faults.count(path) ? faults.at(path) : Faults{};
  if (fault.openCause != FileErrorCause::None) return {nullptr, fault.openCause};
  auto found = files.find(path);
  if (found == files.end()) return {nullptr, FileErrorCause::FileNotFound};
  return {std::make_unique<FakeInputFile>(*this, found->second, fault), FileErrorCause::None};
}

OpenResult<OutputFile> FakeFileSystem::OpenForReplacing(const std::string& path) {
  Faults fault = faults.count(path) ? faults.at(path) : Faults{};
  if (fault.openCause != FileErrorCause::None) return {nullptr, fault.openCause};
  return {std::make_unique<FakeOutputFile>(*this, path, fault), FileErrorCause::None};
}

}  // namespace pinmover::testing
