#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "engine/conversion_settings.h"
#include "formats/registry.h"
#include "problem/problem.h"
#include "unitfile/point_image.h"

namespace pinmover {

enum class ConversionOutcome {
  Converted,     // the output files hold the new points
  LoadFailed,    // the list could not be read
  NoPoints,      // the list holds no point; nothing was written
  WriteRefused,  // an output file could not be opened
  FileFailed,    // a file failed after it was opened
};

// What happens to the points a list holds past the first file's worth.
enum class Overflow {
  LeaveOut,  // only counted
  Split,     // written 200 to a file into numbered files, as the list is read
  Ask,       // writeAllInFiles decides, once the whole list has been read
};

struct ConversionRequest {
  std::string inputPath;   // Shift-JIS
  std::string outputPath;  // Shift-JIS
  int icon = minIcon;
  std::uint16_t voiceCode = 0;
  Datum datum = Datum::Tokyo;
  Overflow overflow = Overflow::LeaveOut;
  // Asked with Overflow::Ask when the list holds more points than one file takes: true writes
  // them all into numbered files, false only the first file's worth.
  std::function<bool(std::uint64_t pointCount)> writeAllInFiles;
};

struct WrittenFile {
  std::string path;  // Shift-JIS
  std::uint64_t points = 0;
};

struct ConversionResult {
  ConversionOutcome outcome = ConversionOutcome::LoadFailed;
  std::optional<Problem> problem;    // why it is not Converted
  std::vector<WrittenFile> written;  // in the order written
  std::uint64_t pointCount = 0;      // the points the list gave
  std::uint64_t writtenCount = 0;    // of those, the ones written
  bool pointsBeyondLimit = false;    // a list made for the unit held more than was read
};

// Reads a point list in its format (the front end has found it by the list's extension) and
// writes its points: the part of a conversion that the dialog and the command line share. Every
// change to a point goes to reports as it happens; what stopped the conversion comes back in the
// result.
ConversionResult ConvertPoints(FormatContext& formats, const Format& format, PointImage& image,
                               const ConversionRequest& request, ProblemSink* reports);

// The path of the numbered file number (counted from 1) that outputPath is split into.
std::string NumberedOutputPath(const std::string& outputPath, std::uint64_t number);

}  // namespace pinmover
