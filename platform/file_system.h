#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>

#include "platform/file_error.h"

namespace pinmover {

// A file opened for reading that nobody else may open meanwhile.
class InputFile {
 public:
  virtual ~InputFile() = default;
  virtual std::uint64_t Length() = 0;
  // Fills as much of buffer as the file still holds; 0 only at the end. Throws FileError.
  virtual std::size_t Read(std::span<char> buffer) = 0;
  // The next Read starts at offset from the file's start; past the end it reads nothing.
  // Throws FileError.
  virtual void Seek(std::uint64_t offset) = 0;
  virtual void Close() = 0;
};

// The new content of a path. The path keeps its earlier content (or stays absent) until Commit
// succeeds; destroying an uncommitted file discards what was written.
class OutputFile {
 public:
  virtual ~OutputFile() = default;
  // Writes the whole buffer or throws FileError carrying the output path.
  virtual void Write(std::span<const char> bytes) = 0;
  // Flushes, closes and puts the content in place atomically. A failure to flush or to put
  // the content in place throws FileError with the path; a failure to close throws it without.
  virtual void Commit() = 0;
};

template <class File>
struct OpenResult {
  std::unique_ptr<File> file;
  FileErrorCause cause = FileErrorCause::None;
};

// The program's only door to files, so that tests can stand in for the disk and make it fail.
class FileSystem {
 public:
  virtual ~FileSystem() = default;
  // Opens an existing file without sharing. Paths are Shift-JIS.
  virtual OpenResult<InputFile> OpenForReading(const std::string& path) = 0;
  // Checks that path may be written (an existing file is opened without sharing) and
  // prepares its replacement. On failure file is null and cause says why.
  virtual OpenResult<OutputFile> OpenForReplacing(const std::string& path) = 0;
  // The absolute form of path, for messages.
  virtual std::string FullPath(const std::string& path) = 0;
  // Whether both paths name one existing file, however they spell it.
  virtual bool SameFile(const std::string& first, const std::string& second) = 0;
};

}  // namespace pinmover
