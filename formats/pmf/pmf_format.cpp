#include "formats/pmf/pmf_format.h"

#include <memory>

#include "formats/pmf/dms_text.h"
#include "formats/pmf/point_list_parser.h"

namespace pinmover {

namespace {

// The reader stops at its last slot; only a full list is read once more, its first records
// counted but not kept, to tell the user that the rest is left out.
bool HoldsMoreRecords(FileSystem& files, const std::string& path) {
  OpenResult<InputFile> opened = files.OpenForReading(path);
  if (!opened.file) return false;
  InputPointRecord next;
  PointListParser parser({&next, 1}, PointListReader::maxRecords);
  // Left unfilled: the file's bytes are all that is read from it.
  auto block = std::make_unique_for_overwrite<char[]>(PointListReader::blockSize);
  while (std::size_t got = opened.file->Read({block.get(), PointListReader::blockSize})) {
    if (!parser.Feed({block.get(), got})) break;
  }
  parser.Finish();
  opened.file->Close();
  return parser.Count() > PointListReader::maxRecords;
}

}  // namespace

ReadResult ReadPointList(PointListReader& reader, FileSystem& files, const std::string& path,
                         PointSink& sink) {
  ReadResult result;
  if (std::optional<Problem> problem = reader.Load(path)) {
    result.failure = std::move(problem);
    return result;
  }
  for (int i = 0; i < reader.GetCount(); ++i) {
    sink.Add(UnitPoint{SlotName::FromSjis(reader.GetName(i)),
                       DmsToUnits(reader.GetFirstCoordinate(i)),
                       DmsToUnits(reader.GetSecondCoordinate(i))});
  }
  result.pointsBeyondLimit =
      reader.GetCount() == PointListReader::maxRecords && HoldsMoreRecords(files, path);
  return result;
}

}  // namespace pinmover
