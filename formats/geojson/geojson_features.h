#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "text/bounded_text.h"
#include "formats/map_point.h"

namespace pinmover {

// Follows a GeoJSON document (a FeatureCollection or a single Feature) event by event and hands
// each feature to the sink as it ends: its point, or why it has none. It keeps what one feature
// needs and the path to it, never the document, so members may come in any order.
class GeoJsonFeatures {
 public:
  static constexpr std::size_t maxDepth = 256;
  static constexpr std::size_t maxNameBytes = maxKeptText;

  explicit GeoJsonFeatures(PointSink& sink);

  // Each returns false when the document is refused; Refusal() then says why.
  bool StartObject(std::uint64_t line);
  bool StartArray();
  bool Key(std::string_view key);
  bool String(std::string_view text) { return Scalar(text, std::nullopt); }
  bool Number(double value) { return Scalar(std::nullopt, value); }
  bool Literal() { return Scalar(std::nullopt, std::nullopt); }  // true, false or null
  bool EndObject();
  bool EndArray();

  const std::string& Refusal() const { return refusal_; }

 private:
  enum class Role : std::uint8_t {
    Document,
    FeatureList,
    Feature,
    Properties,
    Location,
    GeoCoordinates,
    Geometry,
    Coordinates,
    Ignored,
  };
  enum class Member : std::uint8_t {
    Other,
    Type,
    Features,
    Properties,
    Geometry,
    Name,
    Title,
    CapitalTitle,
    Location,
    GeoCoordinates,
    Latitude,
    Longitude,
    Link,
    Address,
    Icon,
    Voice,
    Coordinates,
  };

  // What a feature has shown so far.
  struct Draft {
    std::uint64_t line = 0;
    std::string name;
    std::string title;
    std::string capitalTitle;
    std::string locationName;
    std::string address;
    std::string link;
    std::string icon;  // as text, though export writes numbers
    std::string voice;
    std::optional<double> listedLatitude;  // the place's own coordinates, as text in old exports
    std::optional<double> listedLongitude;
    bool geometryObject = false;
    bool point = false;  // the geometry's type is Point
    bool coordinateArray = false;
    int coordinatesSeen = 0;  // counted up to the two that matter
    bool coordinatesReadable = true;
    double coordinates[2] = {};  // longitude, latitude
  };

  // An object or array open around the current event; member is the object's latest key.
  struct Frame {
    Role role;
    Member member = Member::Other;
    Draft* feature = nullptr;
  };

  static Member MemberNamed(Role role, std::string_view key);
  bool Push(Role role, Draft* feature = nullptr);
  bool Scalar(std::optional<std::string_view> text, std::optional<double> number);
  void Coordinate(std::optional<double> value);
  bool DocumentType(std::optional<std::string_view> type);
  bool EndDocument();
  void Deliver(const Draft& feature);
  bool Refuse(std::string why);

  PointSink& sink_;
  std::vector<Frame> frames_;
  Draft document_;  // the top-level object, which may itself be the Feature
  Draft listed_;    // the feature of the collection being read
  std::optional<std::string> documentType_;
  bool hasFeatureList_ = false;
  std::string refusal_;
};

}  // namespace pinmover
