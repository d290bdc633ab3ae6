#include "engine/point_export.h"

#include "engine/exported_points.h"
#include "engine/point_file_reading.h"
#include "ui/dialog/raised_error_report.h"
#include "wording/file_error_texts.h"

namespace pinmover {

std::optional<PointExport> ExportPointFile(FileSystem& files, ApplicationMessages& messages,
                                           const std::string& path, const ExportFormat& format,
                                           Datum datum) {
  std::optional<PointFileInspection> file = ReadPointFile(files, messages, path);
  if (!file) return std::nullopt;
  ExportedPoints exported = ExportPoints(*file, datum);
  PointExport result;
  result.document = format.document(exported.points);
  result.pointCount = exported.points.size();
  result.problems = std::move(file->problems);
  result.problems.insert(result.problems.end(), exported.problems.begin(), exported.problems.end());
  return result;
}

bool WriteDocument(FileSystem& files, ApplicationMessages& messages, const std::string& path,
                   std::string_view document) {
  OpenResult<OutputFile> opened = files.OpenForReplacing(path);
  if (!opened.file) {
    messages.Show(OpenFailureMessage(opened.cause, path));
    return false;
  }
  return RunReportingErrors(messages, files, [&] {
    opened.file->Write(document);
    opened.file->Commit();
  });
}

}  // namespace pinmover
