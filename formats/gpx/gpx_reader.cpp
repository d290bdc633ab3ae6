#include "formats/gpx/gpx_reader.h"

#include <optional>

#include "formats/xml/xml_document.h"
#include "text/bounded_text.h"
#include "text/decimal_degrees.h"

namespace pinmover {

namespace {

class WaypointCollector : public XmlHandler {
 public:
  explicit WaypointCollector(PointSink& sink) : sink_(sink) {}

  void StartElement(std::string_view localName, const XmlAttributes& attributes) override {
    ++depth_;
    if (!inWaypoint_) {
      if (localName == "wpt") StartWaypoint(attributes);
      if (localName == "rtept" || localName == "trkpt") ++routeAndTrackPoints;
      return;
    }
    if (depth_ == waypointDepth_ + 1 && localName == "name") inName_ = true;
  }

  void EndElement(std::string_view) override {
    if (inWaypoint_ && depth_ == waypointDepth_ + 1) inName_ = false;
    if (inWaypoint_ && depth_ == waypointDepth_) EndWaypoint();
    --depth_;
  }

  void Text(std::string_view utf8) override {
    if (inName_) AppendBounded(name_, utf8);
  }

  std::uint64_t routeAndTrackPoints = 0;

 private:
  void StartWaypoint(const XmlAttributes& attributes) {
    inWaypoint_ = true;
    waypointDepth_ = depth_;
    name_.clear();
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
      sink_.Add(MapPoint{name_, *latitude_, *longitude_, 0});
    } else {
      sink_.Skip(SkippedItem{SkipReason::UnreadableCoordinates, 0, name_});
    }
  }

  PointSink& sink_;
  int depth_ = 0;
  bool inWaypoint_ = false;
  int waypointDepth_ = 0;
  bool inName_ = false;
  std::string name_;
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
