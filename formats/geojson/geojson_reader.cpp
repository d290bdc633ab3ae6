#include "formats/geojson/geojson_reader.h"

#include <nlohmann/json.hpp>

#include "formats/geojson/geojson_features.h"
#include "formats/geojson/json_block_input.h"
#include "text/utf8.h"

namespace pinmover {

namespace {

using Json = nlohmann::json;

// The parser's words without its error number and position (the failure carries those); cut
// short, since they quote the input, which may be long and need not be UTF-8.
std::string ParserWords(std::string_view what) {
  constexpr std::size_t maxBytes = 200;
  if (std::size_t numberEnd = what.find("] "); numberEnd != std::string_view::npos) {
    what.remove_prefix(numberEnd + 2);
  }
  if (what.starts_with("parse error")) {
    if (std::size_t positionEnd = what.find(": "); positionEnd != std::string_view::npos) {
      what.remove_prefix(positionEnd + 2);
    }
  }
  return ValidUtf8(what.substr(0, maxBytes));
}

// nlohmann's SAX interface, passed on to the features.
class SaxEvents {
 public:
  SaxEvents(JsonBlockInput& input, GeoJsonFeatures& features)
      : input_(input), features_(features) {}

  bool null() { return features_.Literal(); }
  bool boolean(bool) { return features_.Literal(); }
  bool number_integer(Json::number_integer_t value) {
    return features_.Number(static_cast<double>(value));
  }
  bool number_unsigned(Json::number_unsigned_t value) {
    return features_.Number(static_cast<double>(value));
  }
  bool number_float(Json::number_float_t value, const Json::string_t&) {
    return features_.Number(value);
  }
  bool string(Json::string_t& text) { return features_.String(text); }
  bool binary(Json::binary_t&) { return features_.Literal(); }  // JSON text holds none
  bool start_object(std::size_t) { return features_.StartObject(input_.Line()); }
  bool key(Json::string_t& key) { return features_.Key(key); }
  bool end_object() { return features_.EndObject(); }
  bool start_array(std::size_t) { return features_.StartArray(); }
  bool end_array() { return features_.EndArray(); }
  bool parse_error(std::size_t, const std::string&, const Json::exception& error) {
    parserWords_ = ParserWords(error.what());
    // A number beyond a double's range is well formed, just not acceptable.
    numberOverflow_ = dynamic_cast<const Json::out_of_range*>(&error) != nullptr;
    return false;
  }

  const std::string& ParserMessage() const { return parserWords_; }
  bool NumberOverflow() const { return numberOverflow_; }

 private:
  JsonBlockInput& input_;
  GeoJsonFeatures& features_;
  std::string parserWords_;
  bool numberOverflow_ = false;
};

}  // namespace

ReadResult ReadGeoJson(FileSystem& files, const std::string& path, PointSink& sink) {
  OpenResult<InputFile> opened = files.OpenForReading(path);
  if (!opened.file) return {Problem{.kind = ProblemKind::ListOpenFailed, .cause = opened.cause}};
  JsonBlockInput input(*opened.file);
  GeoJsonFeatures features(sink);
  SaxEvents events(input, features);
  bool complete = Json::sax_parse(input.begin(), input.end(), &events);
  opened.file->Close();
  if (complete) return {};

  Problem failure{.kind = ProblemKind::Refused, .line = input.Line(), .column = input.Column()};
  if (input.TokenTooLong()) {
    failure.detail = "a string, a number or a stretch without either runs longer than " +
                     std::to_string(JsonBlockInput::maxTokenBytes) + " bytes";
  } else if (!features.Refusal().empty()) {
    failure.detail = features.Refusal();
  } else {
    if (!events.NumberOverflow()) failure.kind = ProblemKind::NotWellFormed;
    failure.detail = events.ParserMessage();
  }
  return {failure, 0};
}

}  // namespace pinmover
