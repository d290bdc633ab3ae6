#include "formats/registry.h"

#include "formats/csv/csv_reader.h"
#include "formats/csv/csv_writer.h"
#include "formats/geojson/geojson_reader.h"
#include "formats/geojson/geojson_writer.h"
#include "formats/gpx/gpx_reader.h"
#include "formats/gpx/gpx_writer.h"
#include "formats/kml/kml_reader.h"
#include "formats/kml/kml_writer.h"
#include "formats/kml/kmz_reader.h"
#include "formats/pmf/pmf_format.h"
#include "formats/pnt/point_file_slots.h"
#include "text/path_operations.h"

namespace pinmover {

namespace {

// The readers that need nothing but the disk.
template <ReadResult (*read)(FileSystem&, const std::string&, PointSink&)>
ReadResult FromDisk(FormatContext& context, const std::string& path, PointSink& sink) {
  return read(context.files, path, sink);
}

ReadResult FromPointList(FormatContext& context, const std::string& path, PointSink& sink) {
  return ReadPointList(context.pointListReader, context.files, path, sink);
}

}  // namespace

const std::vector<Format>& Formats() {
  static const std::vector<Format> formats{
      {pointListExtension, {pointListExtension}, FromPointList, nullptr, true},
      {"gpx", {"gpx"}, FromDisk<ReadGpx>, GpxDocument, false},
      {"kml", {"kml"}, FromDisk<ReadKml>, KmlDocument, false},
      {"kmz", {"kmz"}, FromDisk<ReadKmz>, nullptr, false},
      {"geojson", {"geojson", "json"}, FromDisk<ReadGeoJson>, GeoJsonDocument, false},
      {"csv", {"csv"}, FromDisk<ReadCsv>, CsvDocument, false},
      {pointFileExtension, {pointFileExtension}, FromDisk<ReadPointFileSlots>, nullptr, true},
  };
  return formats;
}
const Format* FormatForPath(std::string_view path) {
  for (const Format& format : Formats()) {
    for (std::string_view extension : format.extensions) {
      if (ExtensionMatches(path, extension)) return &format;
    }
  }
  return nullptr;
}

const Format* FormatNamed(std::string_view name) {
  for (const Format& format : Formats()) {
    if (format.name == name) return &format;
  }
  return nullptr;
}

std::vector<const Format*> WrittenFormats() {
  std::vector<const Format*> written;
  for (const Format& format : Formats()) {
    if (format.write) written.push_back(&format);
  }
  return written;
}

std::vector<std::string_view> ReadExtensions() {
  std::vector<std::string_view> extensions;
  for (const Format& format : Formats()) {
    extensions.insert(extensions.end(), format.extensions.begin(), format.extensions.end());
  }
  return extensions;
}

ReadResult ReadPoints(const Format& format, FormatContext& context, const std::string& path,
                      PointSink& sink) {
  ReadResult result;
  try {
    result = format.read(context, path, sink);
  } catch (const FileError& error) {
    return {Problem{.kind = ProblemKind::FileFailed, .cause = error.Cause()}};
  }
  // Every failure but a failed read names the file it concerns.
  if (result.failure && result.failure->path.empty()) result.failure->path = path;
  return result;
}

}  // namespace pinmover
