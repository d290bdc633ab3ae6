#include "formats/geojson/geojson_writer.h"

#include <nlohmann/json.hpp>

#include "text/decimal_degrees.h"

namespace pinmover {

namespace {

// The library escapes the strings; the document itself is put together here, because its
// number output cannot hold coordinates to 7 fixed decimals (it would write 1e-07).
std::string JsonString(const std::string& utf8) {
  return nlohmann::json(utf8).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

}  // namespace

std::string GeoJsonDocument(std::span<const ExportedPoint> points) {
  std::string document = "{\"type\": \"FeatureCollection\", \"features\": [";
  const char* separator = "\n";
  for (const ExportedPoint& point : points) {
    document += separator;
    separator = ",\n";
    document += "  {\"type\": \"Feature\", \"geometry\": {\"type\": \"Point\", \"coordinates\": [" +
                CoordinateText(point.longitude) + ", " + CoordinateText(point.latitude) +
                "]}, \"properties\": {\"name\": " + JsonString(point.name) +
                ", \"icon\": " + std::to_string(point.icon) +
                ", \"voice\": " + std::to_string(point.voice) +
                ", \"voice_text\": " + JsonString(point.voiceText) +
                ", \"created\": " + JsonString(point.created) + "}}";
  }
  return document + "\n]}\n";
}

}  // namespace pinmover
