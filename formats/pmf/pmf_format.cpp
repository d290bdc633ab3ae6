#include "formats/pmf/pmf_format.h"

#include <memory>

#include "formats/pmf/point_list_parser.h"
#include "unitfile/point_encodings.h"

namespace pinmover {

ReadResult PmfFormat::Read(const std::string& path, PointSink& sink) {
  ReadResult result;
  if (reader_.Load(path) != 0) {
    result.failure = ReadFailure{ReadFailure::Kind::ReportedByReader, FileErrorCause::None, 0, 0, {}};
    return result;
  }
  for (int i = 0; i < reader_.GetCount(); ++i) {
    sink.Add(UnitPoint{reader_.GetName(i), DmsToUnits(reader_.GetFirstCoordinate(i)),
                       DmsToUnits(reader_.GetSecondCoordinate(i))});
  }
  result.pointsBeyondLimit = reader_.GetCount() == PointListReader::maxRecords && HoldsMoreRecords(path);
  return result;
}

// The reader stops at its last slot; only a full list is read once more, its first records
// counted but not kept, to tell the user that the rest is left out.
bool PmfFormat::HoldsMoreRecords(const std::string& path) {
  OpenResult<InputFile> opened = files_.OpenForReading(path);
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

}  // namespace pinmover
