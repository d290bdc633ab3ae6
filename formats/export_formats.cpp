#include "formats/export_formats.h"

#include "text/path_operations.h"
#include "formats/csv/csv_writer.h"
#include "formats/geojson/geojson_writer.h"
#include "formats/gpx/gpx_writer.h"
#include "formats/kml/kml_writer.h"

namespace pinmover {

const std::vector<ExportFormat>& ExportFormats() {
  static const std::vector<ExportFormat> formats{
      {"gpx", {"gpx"}, GpxDocument},
      {"kml", {"kml"}, KmlDocument},
      {"geojson", {"geojson", "json"}, GeoJsonDocument},
      {"csv", {"csv"}, CsvDocument},
  };
  return formats;
}

const ExportFormat* ExportFormatNamed(std::string_view name) {
  for (const ExportFormat& format : ExportFormats()) {
    if (format.name == name) return &format;
  }
  return nullptr;
}

const ExportFormat* ExportFormatForPath(std::string_view path) {
  for (const ExportFormat& format : ExportFormats()) {
    for (std::string_view extension : format.extensions) {
      if (ExtensionMatches(path, extension)) return &format;
    }
  }
  return nullptr;
}

}  // namespace pinmover
