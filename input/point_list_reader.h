#pragma once

#include <cstddef>
#include <memory>
#include <string>

#include "input/input_point_record.h"
#include "platform/file_system.h"
#include "platform/message_box.h"

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
  // further than the list goes (Load clears the table first). Read errors propagate.
  void Parse(InputFile& file);
  int ReportOpenError(FileErrorCause cause);

  const InputPointRecord& Record(int index) const noexcept { return records_[index]; }

  static constexpr int maxRecords = 200;
  static constexpr std::size_t blockSize = 64 * 1024;

 private:
  FileSystem& files_;
  ApplicationMessages& messages_;
  int recordCount_ = 0;
  std::unique_ptr<InputPointRecord[]> records_;
  // Slots from here on are known to be empty, so clearing can stop here.
  int usedSlots_ = 0;
  std::unique_ptr<char[]> block_;
};

}  // namespace pinmover
