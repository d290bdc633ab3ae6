#pragma once

#include <cstddef>
#include <span>

#include "formats/pmf/input_point_record.h"
#include "formats/pmf/record_line_builder.h"

namespace pinmover {

// Cuts a point list into record lines and their fields while its bytes stream by, in pieces of
// any size, so that memory never grows with the file and reading stops where the list ends.
class PointListParser {
 public:
  // One record line per slot, in file order; no more lines are taken than there are slots.
  // The first recordsToSkip record lines are only counted: the slots hold the lines after them.
  explicit PointListParser(std::span<InputPointRecord> slots, int recordsToSkip = 0)
      : slots_(slots), recordsToSkip_(recordsToSkip) {}

  // Takes the next bytes of the file. False once the list has ended: nothing more is needed.
  bool Feed(std::span<const char> bytes);
  // The file has ended: a record line it cut off is complete.
  void Finish();
  // Record lines seen, skipped ones included.
  int Count() const noexcept { return count_; }

 private:
  enum class State { lineStart, otherLine, recordLine, ended };

  void Scan(const char* position, const char* end);
  const char* ScanRecordLine(const char* position, const char* end);
  void EndRecord();

  std::span<InputPointRecord> slots_;
  int recordsToSkip_;
  RecordLineBuilder builder_;
  State state_ = State::lineStart;
  int count_ = 0;
  // A carriage return ended the last piece of a record line: content, unless the line ends next.
  bool pendingReturn_ = false;
};

}  // namespace pinmover
