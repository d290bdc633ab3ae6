#include "unitfile/point_file_reading.h"

#include <cstdint>
#include <vector>

namespace pinmover {

PointFileReading ReadPointFile(FileSystem& files, const std::string& path) {
  PointFileReading reading;
  OpenResult<InputFile> opened = files.OpenForReading(path);
  if (!opened.file) {
    reading.failure =
        Problem{.kind = ProblemKind::FileOpenFailed, .path = path, .cause = opened.cause};
    return reading;
  }
  std::vector<std::uint8_t> bytes(pointFileSize);
  std::uint64_t size = 0;
  try {
    size = opened.file->Length();
    bytes.resize(opened.file->Read({reinterpret_cast<char*>(bytes.data()), bytes.size()}));
    opened.file->Close();
  } catch (const FileError& error) {
    reading.failure = Problem{.kind = ProblemKind::FileFailed, .cause = error.Cause()};
    return reading;
  }
  reading.file = InspectPointFile(bytes, size);
  return reading;
}

}  // namespace pinmover
