#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "formats/exported_point.h"
#include "formats/map_point.h"
#include "formats/pmf/point_list_reader.h"
#include "formats/read_result.h"
#include "platform/file_system.h"

namespace pinmover {

// What the readers need from their surroundings: the disk, and the one reader of the lists made
// for the unit, which keeps its table for the program's whole life.
struct FormatContext {
  FileSystem& files;
  PointListReader& pointListReader;
};

// One file format points are read from, written to, or both. Readers show nothing to the user:
// they deliver points and skipped items to the sink, in the file's order, and return what
// stopped them.
struct Format {
  std::string_view name;                     // as the user chooses it
  std::vector<std::string_view> extensions;  // the first one names a new file
  ReadResult (*read)(FormatContext& context, const std::string& path, PointSink& sink);
  std::string (*write)(std::span<const ExportedPoint> points);  // nullptr: never written
  // Its points are in the unit's own form already, written as they stand: no datum applies.
  bool unitPoints;
};

// Every format, the list made for the unit first and the unit's own point file last; of the
// formats written, GPX, the most widely read, comes first.
const std::vector<Format>& Formats();
// The format whose extension path has, in any letter case, or nothing.
const Format* FormatForPath(std::string_view path);
const Format* FormatNamed(std::string_view name);
// The formats points can be written in, GPX first.
std::vector<const Format*> WrittenFormats();
// The extensions of every format, in the order the user is shown them.
std::vector<std::string_view> ReadExtensions();

// Reads path with format. A file that fails after it was opened gives a FileFailed problem
// without a path, as a failed read names no file.
ReadResult ReadPoints(const Format& format, FormatContext& context, const std::string& path,
                      PointSink& sink);

}  // namespace pinmover
