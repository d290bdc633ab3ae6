#include "formats/geojson/geojson_features.h"

#include <cstdio>
#include <utility>

#include "text/decimal_degrees.h"
#include "text/utf8.h"

namespace pinmover {

namespace {

constexpr std::size_t maxQuotedTypeBytes = 64;
constexpr std::size_t maxValueBytes = 64;

const char* const notFeatures = "not a FeatureCollection or a Feature";

// A value as the file writes it, cut short (a whole number without a fraction); nothing for true,
// false and null.
std::string ScalarText(std::optional<std::string_view> text, std::optional<double> number) {
  if (text) return std::string(Utf8Prefix(*text, maxValueBytes));
  if (!number) return {};
  char written[32];
  std::snprintf(written, sizeof written, "%.15g", *number);
  return written;
}

std::optional<double> ListedDegrees(std::optional<std::string_view> text,
                                    std::optional<double> number) {
  return text ? ParseDecimalDegrees(*text) : number;
}

}  // namespace

GeoJsonFeatures::GeoJsonFeatures(PointSink& sink) : sink_(sink) { frames_.reserve(maxDepth); }

GeoJsonFeatures::Member GeoJsonFeatures::MemberNamed(Role role, std::string_view key) {
  switch (role) {
    case Role::Document:
      if (key == "features") return Member::Features;
      [[fallthrough]];
    case Role::Feature:
      if (key == "type") return Member::Type;
      if (key == "properties") return Member::Properties;
      if (key == "geometry") return Member::Geometry;
      break;
    case Role::Properties:
      if (key == "name") return Member::Name;
      if (key == "title") return Member::Title;
      if (key == "Title") return Member::CapitalTitle;
      // Google's saved places: today's layout in lower case, the older one capitalised.
      if (key == "location" || key == "Location") return Member::Location;
      if (key == "google_maps_url" || key == "Google Maps URL") return Member::Link;
      if (key == "address") return Member::Address;
      if (key == "icon") return Member::Icon;
      if (key == "voice") return Member::Voice;
      break;
    case Role::Location:
      if (key == "name" || key == "Business Name") return Member::Name;
      if (key == "address" || key == "Address") return Member::Address;
      if (key == "Geo Coordinates") return Member::GeoCoordinates;
      break;
    case Role::GeoCoordinates:
      if (key == "Latitude") return Member::Latitude;
      if (key == "Longitude") return Member::Longitude;
      break;
    case Role::Geometry:
      if (key == "type") return Member::Type;
      if (key == "coordinates") return Member::Coordinates;
      break;
    case Role::FeatureList:
    case Role::Coordinates:
    case Role::Ignored: break;
  }
  return Member::Other;
}

bool GeoJsonFeatures::Push(Role role, Draft* feature) {
  if (frames_.size() >= maxDepth) return Refuse("nested deeper than " + std::to_string(maxDepth) + " levels");
  frames_.push_back({role, Member::Other, feature});
  return true;
}

bool GeoJsonFeatures::StartObject(std::uint64_t line) {
  if (frames_.empty()) {
    document_ = Draft{};
    document_.line = line;
    return Push(Role::Document, &document_);
  }
  const Frame parent = frames_.back();
  switch (parent.role) {
    case Role::FeatureList:
      listed_ = Draft{};
      listed_.line = line;
      return Push(Role::Feature, &listed_);
    case Role::Document:
    case Role::Feature:
      if (parent.member == Member::Properties) return Push(Role::Properties, parent.feature);
      if (parent.member == Member::Geometry) {
        parent.feature->geometryObject = true;
        parent.feature->point = false;
        parent.feature->coordinateArray = false;
        return Push(Role::Geometry, parent.feature);
      }
      break;
    case Role::Properties:
      if (parent.member == Member::Location) return Push(Role::Location, parent.feature);
      break;
    case Role::Location:
      if (parent.member == Member::GeoCoordinates) {
        return Push(Role::GeoCoordinates, parent.feature);
      }
      break;
    case Role::Geometry:
      if (parent.member == Member::Coordinates) parent.feature->coordinateArray = false;
      break;
    case Role::Coordinates: Coordinate(std::nullopt); break;
    case Role::GeoCoordinates:
    case Role::Ignored: break;
  }
  return Push(Role::Ignored);
}

bool GeoJsonFeatures::StartArray() {
  if (frames_.empty()) return Refuse(std::string("the top level is an array, ") + notFeatures);
  const Frame parent = frames_.back();
  switch (parent.role) {
    case Role::Document:
      if (parent.member == Member::Features) {
        hasFeatureList_ = true;
        return Push(Role::FeatureList);
      }
      [[fallthrough]];
    case Role::Feature:
      if (parent.member == Member::Geometry) parent.feature->geometryObject = false;
      break;
    case Role::Geometry:
      if (parent.member == Member::Coordinates) {
        parent.feature->coordinateArray = true;
        parent.feature->coordinatesSeen = 0;
        parent.feature->coordinatesReadable = true;
        return Push(Role::Coordinates, parent.feature);
      }
      break;
    case Role::Coordinates: Coordinate(std::nullopt); break;
    case Role::FeatureList:
    case Role::Properties:
    case Role::Location:
    case Role::GeoCoordinates:
    case Role::Ignored: break;
  }
  return Push(Role::Ignored);
}

bool GeoJsonFeatures::Key(std::string_view key) {
  Frame& frame = frames_.back();
  frame.member = MemberNamed(frame.role, key);
  return true;
}

bool GeoJsonFeatures::Scalar(std::optional<std::string_view> text, std::optional<double> number) {
  if (frames_.empty()) return Refuse(std::string("the top level is a single value, ") + notFeatures);
  const Frame frame = frames_.back();
  Draft* feature = frame.feature;
  auto keepName = [&](std::string& name) {
    if (text) name.assign(Utf8Prefix(*text, maxNameBytes));
  };
  switch (frame.role) {
    case Role::Document:
      if (frame.member == Member::Type) return DocumentType(text);
      [[fallthrough]];
    case Role::Feature:
      if (frame.member == Member::Geometry) feature->geometryObject = false;
      break;
    case Role::Properties:
      if (frame.member == Member::Name) keepName(feature->name);
      if (frame.member == Member::Title) keepName(feature->title);
      if (frame.member == Member::CapitalTitle) keepName(feature->capitalTitle);
      if (frame.member == Member::Link) keepName(feature->link);
      if (frame.member == Member::Address) keepName(feature->address);
      if (frame.member == Member::Icon) feature->icon = ScalarText(text, number);
      if (frame.member == Member::Voice) feature->voice = ScalarText(text, number);
      break;
    case Role::Location:
      if (frame.member == Member::Name) keepName(feature->locationName);
      if (frame.member == Member::Address) keepName(feature->address);
      break;
    case Role::GeoCoordinates:
      // Written as text, as the older saved places have them; a number is taken too.
      if (frame.member == Member::Latitude) feature->listedLatitude = ListedDegrees(text, number);
      if (frame.member == Member::Longitude) {
        feature->listedLongitude = ListedDegrees(text, number);
      }
      break;
    case Role::Geometry:
      if (frame.member == Member::Type) feature->point = text == "Point";
      if (frame.member == Member::Coordinates) feature->coordinateArray = false;
      break;
    case Role::Coordinates: Coordinate(number); break;
    case Role::FeatureList:
    case Role::Ignored: break;
  }
  return true;
}

void GeoJsonFeatures::Coordinate(std::optional<double> value) {
  Draft& feature = *frames_.back().feature;
  if (feature.coordinatesSeen >= 2) return;
  // The parser refuses numbers too large for a double: a value here is finite.
  if (value) {
    feature.coordinates[feature.coordinatesSeen] = *value;
  } else {
    feature.coordinatesReadable = false;
  }
  ++feature.coordinatesSeen;
}

bool GeoJsonFeatures::EndObject() {
  const Role role = frames_.back().role;
  frames_.pop_back();
  if (role == Role::Feature) Deliver(listed_);
  if (role == Role::Document) return EndDocument();
  return true;
}

bool GeoJsonFeatures::EndArray() {
  frames_.pop_back();
  return true;
}

bool GeoJsonFeatures::DocumentType(std::optional<std::string_view> type) {
  documentType_ = std::string(Utf8Prefix(type.value_or(""), maxQuotedTypeBytes));
  if (documentType_ == "FeatureCollection" || documentType_ == "Feature") return true;
  return Refuse("the top level is a \"" + *documentType_ + "\", " + notFeatures);
}

bool GeoJsonFeatures::EndDocument() {
  if (documentType_ == "Feature") {
    Deliver(document_);
    return true;
  }
  // A collection that does not say what it is still says it with its features.
  if (documentType_ == "FeatureCollection" || hasFeatureList_) return true;
  return Refuse(std::string("the top level has no \"type\" and no \"features\": ") + notFeatures);
}

void GeoJsonFeatures::Deliver(const Draft& feature) {
  // The place's name, else its title, else its address.
  std::string name;
  for (const std::string* candidate : {&feature.name, &feature.locationName, &feature.title,
                                       &feature.capitalTitle, &feature.address}) {
    if (!candidate->empty()) {
      name = *candidate;
      break;
    }
  }
  const bool pointGiven = feature.geometryObject && feature.point;
  const bool coordinatesGiven = pointGiven && feature.coordinateArray &&
                                feature.coordinatesSeen >= 2 && feature.coordinatesReadable;
  MapPoint point{std::move(name), 0, 0, feature.line, feature.link, feature.address,
                 feature.icon, feature.voice};
  if (coordinatesGiven) {
    point.latitude = feature.coordinates[1];
    point.longitude = feature.coordinates[0];
  }
  // Older saved places repeat the position among the place's properties, where it may be kept
  // although the geometry has none.
  const bool noPosition = !coordinatesGiven || (point.latitude == 0 && point.longitude == 0);
  if (noPosition && feature.listedLatitude && feature.listedLongitude) {
    point.latitude = *feature.listedLatitude;
    point.longitude = *feature.listedLongitude;
  } else if (!pointGiven) {
    sink_.Skip({SkipReason::NoPointGeometry, feature.line, std::move(point.name)});
    return;
  } else if (!coordinatesGiven) {
    sink_.Skip({SkipReason::UnreadableCoordinates, feature.line, std::move(point.name)});
    return;
  }
  sink_.Add(point);
}

bool GeoJsonFeatures::Refuse(std::string why) {
  refusal_ = std::move(why);
  return false;
}

}  // namespace pinmover
