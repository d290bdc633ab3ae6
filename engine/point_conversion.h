#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "engine/conversion_settings.h"
#include "engine/import_report.h"
#include "formats/point_formats.h"
#include "unitfile/point_image.h"
#include "ui/dialog/application_messages.h"

namespace pinmover {

enum class ConversionOutcome {
  Converted,     // the output files hold the new points
  LoadFailed,    // the list could not be read; the user was told
  NoPoints,      // the list holds no point; nothing was written; the user was told
  WriteRefused,  // an output file could not be opened; the user was told
};

struct ConversionRequest {
  std::string inputPath;   // Shift-JIS
  std::string outputPath;  // Shift-JIS
  int icon = minIcon;
  std::uint16_t voiceCode = 0;
  Datum datum = Datum::Tokyo;
  // Asked only when the list holds more points than one file takes: true writes them all into
  // numbered files, false only the first file's worth.
  std::function<bool(std::uint64_t pointCount)> writeAllInFiles;
};

struct WrittenFile {
  std::string path;  // Shift-JIS
  std::uint64_t points = 0;
};

struct ConversionResult {
  ConversionOutcome outcome = ConversionOutcome::LoadFailed;
  std::vector<WrittenFile> written;  // in the order written
  std::uint64_t pointCount = 0;      // the points the list gave
  std::uint64_t writtenCount = 0;    // of those, the ones written
  bool pointsBeyondLimit = false;    // a list made for the unit held more than was read
};

// Reads a point list in the format its extension names and writes its points: the part of a
// conversion that the dialog and the command line share. The run's own messages go to
// runMessages (caption "ERROR"), the list's open failures to messages, as the reader of a list
// made for the unit has always told them; every change to a point goes to reports. A file error
// met after a file was opened is raised.
ConversionResult ConvertPoints(const PointFormats& formats, PointImage& image,
                               const ConversionRequest& request, ApplicationMessages& messages,
                               MessageBoxService& runMessages, ImportReportSink* reports);

// The path of the numbered file number (counted from 1) that outputPath is split into.
std::string NumberedOutputPath(const std::string& outputPath, std::uint64_t number);

}  // namespace pinmover
