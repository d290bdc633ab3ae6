#pragma once

#include <cstddef>
#include <cstdlib>
#include <memory>
#include <string>

#include <optional>

#include "formats/pmf/input_point_record.h"
#include "platform/file_system.h"
#include "problem/problem.h"
#include "unitfile/point_file_layout.h"

namespace pinmover {

// Loads one point list at a time into a fixed table of parsed records.
class PointListReader {
 public:
  static constexpr int tableSlots = 2000;

  explicit PointListReader(FileSystem& files);

  // Nothing when the list was read and parsed, else why not (its extension, or the open; the
  // table is then as it was). A failure after the open raises FileError (without a path),
  // leaving the table cleared.
  std::optional<Problem> Load(const std::string& path);
  int GetCount() const noexcept { return recordCount_; }
  std::string GetName(int index) const;
  std::string GetFirstCoordinate(int index) const;
  std::string GetSecondCoordinate(int index) const;
  void Clear();
  // Fills the table from slot 0 with the list read from file, a block at a time, reading no
  // further than the list goes (Load clears the table first). Read errors propagate and leave
  // the table cleared.
  void Parse(InputFile& file);

  const InputPointRecord& Record(int index) const noexcept {
    return index < usedSlots_ ? records_[index] : emptyRecord;
  }

  // A list gives at most as many points as one point file holds.
  static constexpr int maxRecords = maxPointsPerFile;
  static constexpr std::size_t blockSize = 64 * 1024;

 private:
  struct FreeTable {
    void operator()(InputPointRecord* table) const noexcept { std::free(table); }
  };
  static constexpr InputPointRecord emptyRecord{};

  FileSystem& files_;
  int recordCount_ = 0;
  std::unique_ptr<InputPointRecord[], FreeTable> records_;
  // Slots from here on read as empty, so clearing can stop here: each holds the empty record
  // or, never written since the table was made, zero bytes throughout.
  int usedSlots_ = 0;
  std::unique_ptr<char[]> block_;
};

}  // namespace pinmover
