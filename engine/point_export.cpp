#include "engine/point_export.h"

#include "engine/exported_points.h"
#include "unitfile/point_file_reading.h"

namespace pinmover {

PointExport ExportPointFile(FileSystem& files, const std::string& path, const Format& format,
                            Datum datum) {
  PointExport result;
  PointFileReading reading = ReadPointFile(files, path);
  if (reading.failure) {
    result.failure = std::move(reading.failure);
    return result;
  }
  ExportedPoints exported = ExportPoints(reading.file, datum);
  result.document = format.write(exported.points);
  result.pointCount = exported.points.size();
  result.problems = std::move(reading.file.problems);
  result.problems.insert(result.problems.end(), exported.problems.begin(), exported.problems.end());
  return result;
}

std::optional<Problem> WriteDocument(FileSystem& files, const std::string& path,
                                     std::string_view document) {
  OpenResult<OutputFile> opened = files.OpenForReplacing(path);
  if (!opened.file) {
    return Problem{.kind = ProblemKind::FileOpenFailed, .path = path, .cause = opened.cause};
  }
  try {
    opened.file->Write(document);
    opened.file->Commit();
  } catch (const FileError& error) {
    return Problem{.kind = ProblemKind::FileFailed, .path = error.Path(), .cause = error.Cause()};
  }
  return std::nullopt;
}

}  // namespace pinmover
