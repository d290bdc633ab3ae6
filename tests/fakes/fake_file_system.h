#pragma once

#include <map>
#include <optional>
#include <string>

#include "platform/file_system.h"

namespace pinmover::testing {

// An in-memory disk that can be told to fail at any step, the way real disks do.
class FakeFileSystem : public FileSystem {
 public:
  struct Faults {
    FileErrorCause openCause = FileErrorCause::None;
    // Reading or writing fails with this cause once this many bytes have passed.
    std::optional<std::size_t> failAfterBytes;
    FileErrorCause ioCause = FileErrorCause::HardIO;
    FileErrorCause commitCause = FileErrorCause::None;
  };

  std::map<std::string, std::string> files;
  std::map<std::string, Faults> faults;
  // The largest single read or write the program asked for, to check it streams.
  std::size_t largestRequest = 0;
  int openFiles = 0;

  OpenResult<InputFile> OpenForReading(const std::string& path) override;
  OpenResult<OutputFile> OpenForReplacing(const std::string& path) override;
  std::string FullPath(const std::string& path) override { return "C:\\work\\" + path; }
  bool SameFile(const std::string& first, const std::string& second) override {
    return first == second && files.contains(first);
  }
};

}  // namespace pinmover::testing
