#include "input/point_list_reader.h"

#include <algorithm>

#include "input/list_open_failure.h"
#include "input/point_list_extension.h"
#include "input/point_list_parser.h"

namespace pinmover {

namespace {

std::string SlotText(const char* slot, std::size_t width) {
  return {slot, std::find(slot, slot + width, '\0')};
}

}  // namespace

PointListReader::PointListReader(FileSystem& files, ApplicationMessages& messages)
    : files_(files),
      messages_(messages),
      records_(std::make_unique<InputPointRecord[]>(tableSlots)),
      block_(std::make_unique<char[]>(blockSize)) {}

int PointListReader::Load(const std::string& path) {
  if (!HasPointListExtension(path)) {
    messages_.Show(path + "\n    は認識できないファイルです");
    return -1;
  }
  OpenResult<InputFile> opened = files_.OpenForReading(path);
  if (!opened.file) {
    ReportOpenError(opened.cause);
    return -1;
  }
  Clear();
  try {
    Parse(*opened.file);
    opened.file->Close();
  } catch (...) {
    // Nothing of a file that could not be read whole is kept.
    Clear();
    throw;
  }
  return 0;
}

std::string PointListReader::GetName(int index) const {
  const InputPointRecord& record = records_[index];
  return SlotText(record.name, sizeof record.name);
}

std::string PointListReader::GetFirstCoordinate(int index) const {
  const InputPointRecord& record = records_[index];
  return SlotText(record.firstCoordinate, sizeof record.firstCoordinate);
}

std::string PointListReader::GetSecondCoordinate(int index) const {
  const InputPointRecord& record = records_[index];
  return SlotText(record.secondCoordinate, sizeof record.secondCoordinate);
}

void PointListReader::Clear() {
  std::fill_n(records_.get(), usedSlots_, InputPointRecord{});
  usedSlots_ = 0;
  recordCount_ = 0;
}

void PointListReader::Parse(InputFile& file) {
  int usedBefore = usedSlots_;
  usedSlots_ = maxRecords;  // a parse cut short by a read error may have written any of them
  PointListParser parser({records_.get(), static_cast<std::size_t>(maxRecords)});
  for (;;) {
    std::size_t got = file.Read({block_.get(), blockSize});
    if (got == 0) {
      parser.Finish();
      break;
    }
    if (!parser.Feed({block_.get(), got})) break;
  }
  recordCount_ = parser.Count();
  usedSlots_ = std::max(usedBefore, recordCount_);
}

int PointListReader::ReportOpenError(FileErrorCause cause) {
  if (cause != FileErrorCause::None) messages_.Show(ListOpenFailureText(cause));
  return 0;
}

}  // namespace pinmover
