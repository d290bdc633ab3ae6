#include "formats/point_formats.h"

#include "text/path_operations.h"
#include "formats/csv/csv_reader.h"
#include "formats/geojson/geojson_reader.h"
#include "formats/gpx/gpx_reader.h"
#include "formats/kml/kml_reader.h"
#include "formats/kml/kmz_format.h"
#include "formats/pmf/pmf_format.h"

namespace pinmover {

PointFormats::PointFormats(FileSystem& files, PointListReader& pmfReader) {
  auto geoJson = std::make_shared<GeoJsonFormat>(files);
  entries_ = {
      {pmfExtension, std::make_shared<PmfFormat>(files, pmfReader)},
      {"gpx", std::make_shared<GpxFormat>(files)},
      {"kml", std::make_shared<KmlFormat>(files)},
      {"kmz", std::make_shared<KmzFormat>(), false},
      {"geojson", geoJson},
      {"json", geoJson},
      {"csv", std::make_shared<CsvFormat>(files)},
  };
}

PointFormat* PointFormats::ForPath(const std::string& path) const {
  for (const Entry& entry : entries_) {
    if (ExtensionMatches(path, entry.extension)) return entry.format.get();
  }
  return nullptr;
}

std::vector<std::string_view> PointFormats::Extensions() const {
  std::vector<std::string_view> extensions;
  for (const Entry& entry : entries_) {
    if (entry.readable) extensions.push_back(entry.extension);
  }
  return extensions;
}

}  // namespace pinmover
