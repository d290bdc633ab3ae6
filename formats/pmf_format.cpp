#include "formats/pmf_format.h"

#include <vector>

#include "input/point_list_parser.h"
#include "output/point_encodings.h"

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

// The reader stops at its last slot; only a full list is read once more, one record further,
// to tell the user that the rest is left out.
bool PmfFormat::HoldsMoreRecords(const std::string& path) {
  OpenResult<InputFile> opened = files_.OpenForReading(path);
  if (!opened.file) return false;
  std::vector<InputPointRecord> slots(PointListReader::maxRecords + 1);
  PointListParser parser(slots);
  std::vector<char> block(PointListReader::blockSize);
  while (std::size_t got = opened.file->Read(block)) {
    if (!parser.Feed(std::span<const char>(block.data(), got))) break;
  }
  parser.Finish();
  opened.file->Close();
  return parser.Count() > PointListReader::maxRecords;
}

}  // namespace pinmover
