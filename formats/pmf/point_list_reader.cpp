#include "formats/pmf/point_list_reader.h"

#include <algorithm>
#include <new>
#include <type_traits>

#include "formats/pmf/point_list_extension.h"
#include "formats/pmf/point_list_parser.h"

namespace pinmover {

namespace {

std::string SlotText(const char* slot, std::size_t width) {
  return {slot, std::find(slot, slot + width, '\0')};
}

// Only implicit-lifetime types become objects in calloc's bytes without a constructor running.
static_assert(std::is_aggregate_v<InputPointRecord> &&
              std::is_trivially_destructible_v<InputPointRecord>);

// The table is 1.39 MB, of which a list fills at most a tenth. calloc takes a block this size
// as fresh pages from the system, which are zeroed only when first touched, so the slots no
// list reaches cost nothing.
InputPointRecord* ZeroedTable(std::size_t slots) {
  void* table = std::calloc(slots, sizeof(InputPointRecord));
  if (!table) throw std::bad_alloc();
  return static_cast<InputPointRecord*>(table);
}

}  // namespace

PointListReader::PointListReader(FileSystem& files)
    : files_(files),
      records_(ZeroedTable(tableSlots)),
      block_(std::make_unique_for_overwrite<char[]>(blockSize)) {}

std::optional<Problem> PointListReader::Load(const std::string& path) {
  if (!HasPointListExtension(path)) return Problem{.kind = ProblemKind::NotAPointList, .path = path};
  OpenResult<InputFile> opened = files_.OpenForReading(path);
  if (!opened.file) {
    return Problem{.kind = ProblemKind::ListOpenFailed, .path = path, .cause = opened.cause};
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
  return std::nullopt;
}

std::string PointListReader::GetName(int index) const {
  const InputPointRecord& record = Record(index);
  return SlotText(record.name, sizeof record.name);
}

std::string PointListReader::GetFirstCoordinate(int index) const {
  const InputPointRecord& record = Record(index);
  return SlotText(record.firstCoordinate, sizeof record.firstCoordinate);
}

std::string PointListReader::GetSecondCoordinate(int index) const {
  const InputPointRecord& record = Record(index);
  return SlotText(record.secondCoordinate, sizeof record.secondCoordinate);
}

void PointListReader::Clear() {
  std::fill_n(records_.get(), usedSlots_, InputPointRecord{});
  usedSlots_ = 0;
  recordCount_ = 0;
}

void PointListReader::Parse(InputFile& file) {
  PointListParser parser({records_.get(), static_cast<std::size_t>(maxRecords)});
  try {
    for (;;) {
      std::size_t got = file.Read({block_.get(), blockSize});
      if (got == 0) {
        parser.Finish();
        break;
      }
      if (!parser.Feed({block_.get(), got})) break;
    }
  } catch (...) {
    // Half a list is no list: the records read so far, and the one begun, are cleared.
    usedSlots_ = std::max(usedSlots_, std::min(parser.Count() + 1, maxRecords));
    Clear();
    throw;
  }
  recordCount_ = parser.Count();
  usedSlots_ = std::max(usedSlots_, recordCount_);
}

}  // namespace pinmover
