#include "tests/engine/exported_document_reader.h"

#include <gtest/gtest.h>

#include <map>
#include <nlohmann/json.hpp>
#include <regex>

#include "formats/csv/csv_record_splitter.h"
#include "platform/xml_reader.h"
#include "tests/fakes/fake_file_system.h"

namespace pinmover::testing {

namespace {

double Coordinate(const std::string& text) {
  EXPECT_TRUE(std::regex_match(text, std::regex(R"(-?\d{1,3}\.\d{7})"))) << text;
  return std::stod(text);
}

void Assign(ReadBackPoint& point, std::string_view field, const std::string& text) {
  if (field == "name") point.name = text;
  if (field == "icon") point.icon = text;
  if (field == "voice") point.voice = text;
  if (field == "voice_text") point.voiceText = text;
  if (field == "created") point.created = text;
}

// GPX waypoints and KML placemarks: the fields are the texts of elements with their names, or
// of the values of Data elements with their names.
class XmlPoints : public XmlHandler {
 public:
  explicit XmlPoints(bool kml) : kml_(kml) {}
  std::vector<ReadBackPoint> points;

  void StartElement(std::string_view name, const XmlAttributes& attributes,
                    std::string_view) override {
    text_.clear();
    if (name == (kml_ ? "Placemark" : "wpt")) points.emplace_back();
    for (const auto& [attribute, value] : attributes) {
      if (attribute == "lat") points.back().latitude = Coordinate(std::string(value));
      if (attribute == "lon") points.back().longitude = Coordinate(std::string(value));
      if (name == "Data" && attribute == "name") data_ = value;
    }
  }
  void EndElement(std::string_view name) override {
    if (points.empty()) return;
    if (name == "coordinates") {
      const std::size_t comma = text_.find(',');
      points.back().longitude = Coordinate(text_.substr(0, comma));
      points.back().latitude = Coordinate(text_.substr(comma + 1));
    }
    Assign(points.back(), name == "value" ? std::string_view(data_) : name, text_);
  }
  void Text(std::string_view utf8) override { text_ += utf8; }

 private:
  bool kml_;
  std::string text_;
  std::string data_;
};

std::vector<ReadBackPoint> ReadXml(bool kml, const std::string& document) {
  FakeFileSystem files;
  files.files["doc"] = document;
  XmlPoints handler(kml);
  std::optional<XmlError> error = ParseXml(*files.OpenForReading("doc").file, handler);
  EXPECT_FALSE(error) << error->message << " at line " << error->line;
  return handler.points;
}

std::vector<ReadBackPoint> ReadGeoJson(const std::string& document) {
  std::vector<ReadBackPoint> points;
  nlohmann::json collection = nlohmann::json::parse(document);
  EXPECT_EQ(collection["type"], "FeatureCollection");
  for (const nlohmann::json& feature : collection["features"]) {
    EXPECT_EQ(feature["geometry"]["type"], "Point");
    const nlohmann::json& properties = feature["properties"];
    points.push_back({properties["name"], feature["geometry"]["coordinates"][1],
                      feature["geometry"]["coordinates"][0], properties["icon"].dump(),
                      properties["voice"].dump(), properties["voice_text"], properties["created"]});
  }
  return points;
}

class CsvRows : public CsvFieldHandler {
 public:
  std::vector<std::map<std::uint64_t, std::string>> rows{1};
  bool Wants(std::uint64_t) override { return true; }
  void Field(std::uint64_t column, std::string_view bytes) override {
    rows.back()[column] = std::string(bytes);
  }
  void EndRecord(std::uint64_t, bool) override { rows.emplace_back(); }
};

std::vector<ReadBackPoint> ReadCsv(std::string document) {
  const std::string byteOrderMark = "\xEF\xBB\xBF";
  EXPECT_EQ(document.substr(0, 3), byteOrderMark);
  EXPECT_EQ(document.substr(document.size() - 2), "\r\n");
  document.erase(0, byteOrderMark.size());
  CsvRows handler;
  CsvRecordSplitter splitter(handler);
  splitter.Feed(document);
  EXPECT_FALSE(splitter.Finish());
  handler.rows.pop_back();  // after the last line end
  std::map<std::uint64_t, std::string> header = handler.rows.front();
  const std::vector<std::string> columns{"name",  "lat",        "lon",    "icon",
                                         "voice", "voice_text", "created"};
  for (std::size_t i = 0; i < columns.size(); ++i) EXPECT_EQ(header[i], columns[i]);
  std::vector<ReadBackPoint> points;
  for (std::size_t row = 1; row < handler.rows.size(); ++row) {
    ReadBackPoint& point = points.emplace_back();
    for (const auto& [column, text] : handler.rows[row]) {
      if (header[column] == "lat") point.latitude = Coordinate(text);
      if (header[column] == "lon") point.longitude = Coordinate(text);
      Assign(point, header[column], text);
    }
  }
  return points;
}

}  // namespace

std::vector<ReadBackPoint> ReadExportedDocument(std::string_view format,
                                                const std::string& document) {
  if (format == "gpx" || format == "kml") return ReadXml(format == "kml", document);
  if (format == "geojson") return ReadGeoJson(document);
  EXPECT_EQ(format, "csv");
  return ReadCsv(document);
}

}  // namespace pinmover::testing
