#include "core/point_formats.h"

#include "core/path_operations.h"
#include "formats/csv_format.h"
#include "formats/geojson_format.h"
#include "formats/gpx_format.h"
#include "formats/kml_format.h"
#include "formats/kmz_format.h"
#include "formats/pmf_format.h"

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
