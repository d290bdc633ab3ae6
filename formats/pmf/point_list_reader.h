#pragma once

#include <cstddef>
#include <cstdlib>
#include <memory>
#include <string>

#include "formats/pmf/input_point_record.h"
#include "platform/file_system.h"
#include "ui/dialog/application_messages.h"

namespace pinmover {

// Loads one point list at a time into a fixed table of parsed records.
class PointListReader {
 public:
  static constexpr int tableSlots = 2000;

  PointListReader(FileSystem& files, ApplicationMessages& messages);

  // 0 when the list was read and parsed; -1 after telling the user why not.
  // A failure after the open raises FileError (without a path), leaving the table cleared.
  int Load(const std::string& path);
  int GetCount() const noexcept { return recordCount_; }
  std::string GetName(int index) const;
  std::string GetFirstCoordinate(int index) const;
  std::string GetSecondCoordinate(int index) const;
  void Clear();
  // Fills the table from slot 0 with the list read from file, a block at a time, reading no
  // further than the list goes (Load clears the table first). Read errors propagate and leave
  // the table cleared.
  void Parse(InputFile& file);
  int ReportOpenError(FileErrorCause cause);

  const InputPointRecord& Record(int index) const noexcept {
    return index < usedSlots_ ? records_[index] : emptyRecord;
  }

  static constexpr int maxRecords = 200;
  static constexpr std::size_t blockSize = 64 * 1024;

 private:
  struct FreeTable {
    void operator()(InputPointRecord* table) const noexcept { std::free(table); }
  };
  static constexpr InputPointRecord emptyRecord{};

  FileSystem& files_;
  ApplicationMessages& messages_;
  int recordCount_ = 0;
  std::unique_ptr<InputPointRecord[], FreeTable> records_;
  // Slots from here on read as empty, so clearing can stop here: each holds the empty record
  // or, never written since the table was made, zero bytes throughout.
  int usedSlots_ = 0;
  std::unique_ptr<char[]> block_;
};

}  // namespace pinmover
