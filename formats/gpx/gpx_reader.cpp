#include "formats/gpx/gpx_reader.h"

#include <optional>

#include "formats/gpx/gpx_writer.h"
#include "formats/xml/xml_document.h"
#include "text/bounded_text.h"
#include "text/decimal_degrees.h"

namespace pinmover {

namespace {

class WaypointCollector : public XmlHandler {
 public:
  explicit WaypointCollector(PointSink& sink) : sink_(sink) {}

  void StartElement(std::string_view localName, const XmlAttributes& attributes,
                    std::string_view namespaceUri) override {
    ++depth_;
    if (!inWaypoint_) {
      if (localName == "wpt") StartWaypoint(attributes);
      if (localName == "rtept" || localName == "trkpt") ++routeAndTrackPoints;
      return;
    }
    if (depth_ == waypointDepth_ + 1) {
      inExtensions_ = localName == "extensions";
      if (localName == "name") ReadInto(point_.name);
    }
    // Other apps keep icons of their own there, under names of their own.
    if (depth_ == waypointDepth_ + 2 && inExtensions_ && namespaceUri == pointExtensionsNamespace) {
      if (localName == "icon") ReadInto(point_.icon);
      if (localName == "voice") ReadInto(point_.voice);
    }
  }

  void EndElement(std::string_view) override {
    if (depth_ == fieldDepth_) field_ = nullptr;
    if (inWaypoint_ && depth_ == waypointDepth_ + 1) inExtensions_ = false;
    if (inWaypoint_ && depth_ == waypointDepth_) EndWaypoint();
    --depth_;
  }

  void Text(std::string_view utf8) override {
    if (field_) AppendBounded(*field_, utf8);
  }

  std::uint64_t routeAndTrackPoints = 0;

 private:
  void ReadInto(std::string& field) {
    field_ = &field;
    fieldDepth_ = depth_;
  }

  void StartWaypoint(const XmlAttributes& attributes) {
    inWaypoint_ = true;
    waypointDepth_ = depth_;
    point_ = MapPoint{};
    latitude_.reset();
    longitude_.reset();
    for (const auto& [attribute, value] : attributes) {
      if (attribute == "lat") latitude_ = ParseDecimalDegrees(value);
      if (attribute == "lon") longitude_ = ParseDecimalDegrees(value);
    }
  }

  void EndWaypoint() {
    inWaypoint_ = false;
    if (latitude_ && longitude_) {
      point_.latitude = *latitude_;
      point_.longitude = *longitude_;
      sink_.Add(point_);
    } else {
      sink_.Skip(SkippedItem{SkipReason::UnreadableCoordinates, 0, point_.name});
    }
  }

  PointSink& sink_;
  int depth_ = 0;
  bool inWaypoint_ = false;
  int waypointDepth_ = 0;
  bool inExtensions_ = false;
  std::string* field_ = nullptr;  // the point's field that text goes to
  int fieldDepth_ = 0;
  MapPoint point_;
  std::optional<double> latitude_;
  std::optional<double> longitude_;
};

}  // namespace

ReadResult ReadGpx(FileSystem& files, const std::string& path, PointSink& sink) {
  WaypointCollector collector(sink);
  ReadResult result = ReadXmlDocument(files, path, collector);
  result.routeAndTrackPoints = collector.routeAndTrackPoints;
  return result;
}

}  // namespace pinmover
