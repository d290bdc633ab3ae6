#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "engine/conversion_settings.h"
#include "formats/registry.h"
#include "problem/problem.h"
#include "unitfile/point_image.h"

namespace pinmover {

enum class ConversionOutcome {
  Converted,     // the output files hold the new points
  LoadFailed,    // a list could not be read, or the output is one of them
  NoPoints,      // the list holds no point; nothing was written
  WriteRefused,  // an output file could not be opened
  FileFailed,    // a file failed after it was opened
};

// What happens to the points a list holds past the first file's worth.
enum class Overflow {
  LeaveOut,  // only counted
  Split,     // written 200 to a file into numbered files, as the list is read
};

// A list to read, and its format (the front end has found it by the list's extension).
struct ConversionInput {
  std::string path;  // Shift-JIS
  const Format* format = nullptr;
};

struct ConversionRequest {
  std::vector<ConversionInput> inputs;  // read one after the other, their points in that order
  std::string outputPath;               // Shift-JIS
  int icon = minIcon;
  std::uint16_t voiceCode = 0;
  Datum datum = Datum::Tokyo;
  Overflow overflow = Overflow::LeaveOut;
  // The output file's points come first, as it holds them, when it exists; then it takes no
  // more than one file's worth, whatever overflow says.
  bool append = false;
  // With append, a duplicate of a point the output held is added all the same.
  bool keepDuplicates = false;
};

struct WrittenFile {
  std::string path;  // Shift-JIS
  std::uint64_t points = 0;
};

struct ConversionResult {
  ConversionOutcome outcome = ConversionOutcome::LoadFailed;
  std::optional<Problem> problem;    // why it is not Converted
  std::vector<WrittenFile> written;  // in the order written
  std::uint64_t pointCount = 0;      // the points the lists gave, duplicates not added aside
  std::uint64_t writtenCount = 0;    // of those, the ones written
  bool pointsBeyondLimit = false;    // a list made for the unit held more than was read
  std::uint64_t heldCount = 0;       // of the points, the ones the output file held already
};

// Reads the point lists and writes their points: the part of a conversion that the dialog and
// the command line share. Every change to a point goes to reports as it happens; what stopped
// the conversion comes back in the result. A lone list made for the unit is written as it
// stands; points of any other run are looked for duplicates.
ConversionResult ConvertPoints(FormatContext& formats, PointImage& image,
                               const ConversionRequest& request, ProblemSink* reports);

// Writing over a list being read would lose it: why the run cannot be made, if it cannot.
std::optional<Problem> OutputAmongInputs(FileSystem& files, const ConversionRequest& request);

// Writes points read and chosen beforehand, each with its own icon and voice where it has them
// and the request's otherwise: into the output file when they fit in one (or the request
// appends, when only one file's worth is written), else into numbered files of a file's worth.
ConversionResult WriteChosenPoints(PointImage& image, std::span<const UnitPoint> points,
                                   const ConversionRequest& request);

// The path of the numbered file number (counted from 1) that outputPath is split into.
std::string NumberedOutputPath(const std::string& outputPath, std::uint64_t number);

}  // namespace pinmover
