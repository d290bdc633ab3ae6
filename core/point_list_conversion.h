#pragma once

#include <cstdint>
#include <string>

#include "input/point_list_reader.h"
#include "output/point_image.h"
#include "platform/message_box.h"

namespace pinmover {

enum class ConversionOutcome {
  Converted,     // the output file holds the new points
  LoadFailed,    // the list could not be read; the user was told
  NoPoints,      // the list holds no point; nothing was written; the user was told
  WriteRefused,  // the output file could not be opened; the user was told
};

// Loads the point list and writes its points to the output path: the part of a conversion
// that the dialog and the command line share. Its own messages go to runMessages, with the
// caption and style the run gives them; the reader and the image tell of their own failures.
// A file error met after a file was opened is raised.
ConversionOutcome ConvertPointList(PointListReader& reader, PointImage& image,
                                   const std::string& inputPath, const std::string& outputPath,
                                   int iconPosition, std::uint16_t voiceCode,
                                   MessageBoxService& runMessages);

}  // namespace pinmover
