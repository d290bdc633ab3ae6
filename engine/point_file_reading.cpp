#include "engine/point_file_reading.h"

#include <cstdint>
#include <vector>

#include "ui/dialog/raised_error_report.h"
#include "wording/file_error_texts.h"
#include "unitfile/point_image.h"

namespace pinmover {

std::optional<PointFileInspection> ReadPointFile(FileSystem& files, ApplicationMessages& messages,
                                                 const std::string& path) {
  OpenResult<InputFile> opened = files.OpenForReading(path);
  if (!opened.file) {
    messages.Show(OpenFailureMessage(opened.cause, path));
    return std::nullopt;
  }
  std::vector<std::uint8_t> bytes(PointImage::fileSize);
  std::uint64_t size = 0;
  bool read = RunReportingErrors(messages, files, [&] {
    size = opened.file->Length();
    bytes.resize(opened.file->Read({reinterpret_cast<char*>(bytes.data()), bytes.size()}));
    opened.file->Close();
  });
  if (!read) return std::nullopt;
  return InspectPointFile(bytes, size);
}

}  // namespace pinmover
