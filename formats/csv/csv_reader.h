#pragma once

#include <string>

#include "formats/point_format.h"
#include "platform/file_system.h"

namespace pinmover {

// A spreadsheet's points: a header row names the columns (name, latitude, longitude in any
// order), each row after it is a point in decimal degrees. The file is UTF-8 when it is valid
// UTF-8 throughout (a byte order mark settles it at once), otherwise code page 932, which a
// Japanese spreadsheet saves. The file is read twice: once for its encoding, once for points.
class CsvFormat : public PointFormat {
 public:
  explicit CsvFormat(FileSystem& files) : files_(files) {}
  ReadResult Read(const std::string& path, PointSink& sink) override;

 private:
  FileSystem& files_;
};

}  // namespace pinmover
