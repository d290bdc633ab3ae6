#include "formats/kml/kml_reader.h"

#include <optional>

#include "formats/xml/xml_document.h"
#include "text/blanks.h"
#include "text/bounded_text.h"
#include "text/decimal_degrees.h"

namespace pinmover {

namespace {

struct Position {
  double latitude = 0;
  double longitude = 0;
};

// "lon,lat[,alt]", blanks around each number allowed.
std::optional<Position> ParseCoordinates(std::string_view text) {
  const std::size_t firstComma = text.find(',');
  if (firstComma == std::string_view::npos) return std::nullopt;
  std::string_view rest = text.substr(firstComma + 1);
  const std::size_t secondComma = rest.find(',');
  std::optional<double> longitude = ParseDecimalDegrees(text.substr(0, firstComma));
  std::optional<double> latitude = ParseDecimalDegrees(rest.substr(0, secondComma));
  if (secondComma != std::string_view::npos &&
      !ParseDecimalDegrees(rest.substr(secondComma + 1))) {
    return std::nullopt;
  }
  if (!longitude || !latitude) return std::nullopt;
  return Position{*latitude, *longitude};
}

class PlacemarkCollector : public XmlHandler {
 public:
  explicit PlacemarkCollector(PointSink& sink) : sink_(sink) {}

  void StartElement(std::string_view localName, const XmlAttributes& attributes,
                    std::string_view) override {
    ++depth_;
    if (localName == "NetworkLink") ++networkLinks_;
    if (localName == "href" && networkLinks_ != 0 && href_.empty()) inHref_ = true;
    if (placemarkDepth_ == 0) {
      if (localName == "Placemark") StartPlacemark();
      return;
    }
    if (localName == "Data" && depth_ == placemarkDepth_ + 2) {
      dataField_ = nullptr;
      for (const auto& [attribute, value] : attributes) {
        if (attribute == "name" && value == "icon") dataField_ = &icon_;
        if (attribute == "name" && value == "voice") dataField_ = &voice_;
      }
    }
    if (localName == "value" && depth_ == placemarkDepth_ + 3) inValue_ = dataField_ != nullptr;
    if (localName == "name" && depth_ == placemarkDepth_ + 1) {
      inName_ = true;
    } else if (localName == "Point" && !pointSeen_) {
      pointSeen_ = true;
      pointDepth_ = depth_;
    } else if (localName == "coordinates" && pointDepth_ != 0 && depth_ == pointDepth_ + 1) {
      inCoordinates_ = true;
    }
  }

  void EndElement(std::string_view localName) override {
    if (localName == "NetworkLink" && networkLinks_ != 0) --networkLinks_;
    inHref_ = false;
    if (placemarkDepth_ != 0) {
      if (depth_ == placemarkDepth_ + 1) inName_ = false;
      if (depth_ == placemarkDepth_ + 3) inValue_ = false;
      if (depth_ == placemarkDepth_ + 2) dataField_ = nullptr;
      if (depth_ == pointDepth_ + 1) inCoordinates_ = false;
      if (depth_ == pointDepth_) pointDepth_ = 0;
      if (depth_ == placemarkDepth_) EndPlacemark();
    }
    --depth_;
  }

  void Text(std::string_view utf8) override {
    if (inName_) AppendBounded(name_, utf8);
    if (inCoordinates_) AppendBounded(coordinates_, utf8);
    if (inHref_) AppendBounded(href_, utf8);
    if (inValue_) AppendBounded(*dataField_, utf8);
  }

  // A document that gives no point but links to a map on the network holds nothing of that
  // map: exported with its data kept up to date, it is only the link.
  std::optional<Problem> NetworkLinkInstead() const {
    if (points_ != 0 || href_.empty()) return std::nullopt;
    return Problem{.kind = ProblemKind::NetworkLinkOnly,
                   .detail = std::string(TrimBlanks(href_))};
  }

 private:
  void StartPlacemark() {
    placemarkDepth_ = depth_;
    pointSeen_ = false;
    pointDepth_ = 0;
    name_.clear();
    coordinates_.clear();
    icon_.clear();
    voice_.clear();
  }

  void EndPlacemark() {
    placemarkDepth_ = 0;
    if (!pointSeen_) {
      sink_.Skip(SkippedItem{SkipReason::NoPointGeometry, 0, name_});
    } else if (std::optional<Position> position = ParseCoordinates(coordinates_)) {
      ++points_;
      sink_.Add(MapPoint{.name = name_,
                         .latitude = position->latitude,
                         .longitude = position->longitude,
                         .icon = icon_,
                         .voice = voice_});
    } else {
      sink_.Skip(SkippedItem{SkipReason::UnreadableCoordinates, 0, name_});
    }
  }

  PointSink& sink_;
  int depth_ = 0;
  int placemarkDepth_ = 0;  // 0 outside a placemark
  bool pointSeen_ = false;
  int pointDepth_ = 0;  // 0 outside the placemark's point
  bool inName_ = false;
  bool inCoordinates_ = false;
  std::string name_;
  std::string coordinates_;
  // The unit's fields, as export keeps them among the placemark's extended data.
  std::string icon_;
  std::string voice_;
  std::string* dataField_ = nullptr;  // which of them the Data element being read holds
  bool inValue_ = false;
  int networkLinks_ = 0;  // the network links the current element lies in
  bool inHref_ = false;
  std::string href_;  // the first network link's
  std::uint64_t points_ = 0;
};

}  // namespace

ReadResult ReadKml(FileSystem& files, const std::string& path, PointSink& sink) {
  OpenResult<InputFile> opened = files.OpenForReading(path);
  if (!opened.file) return {Problem{.kind = ProblemKind::ListOpenFailed, .cause = opened.cause}};
  ReadResult result = ReadKmlDocument(*opened.file, sink);
  opened.file->Close();
  return result;
}

ReadResult ReadKmlDocument(InputFile& file, PointSink& sink) {
  PlacemarkCollector collector(sink);
  ReadResult result = ParseXmlDocument(file, collector);
  if (!result.failure) result.failure = collector.NetworkLinkInstead();
  return result;
}

}  // namespace pinmover
