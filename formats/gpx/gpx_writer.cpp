#include "formats/gpx/gpx_writer.h"

#include "formats/xml/xml_text.h"
#include "text/decimal_degrees.h"
#include "text/utf8.h"

namespace pinmover {

namespace {

// What a map app shows of the unit's own fields, which it cannot read from the extensions.
std::string Description(const ExportedPoint& point) {
  std::string text = std::string(Utf8(u8"アイコン ")) + std::to_string(point.icon) +
                     std::string(Utf8(u8"、音声 ")) + std::to_string(point.voice);
  if (!point.voiceText.empty()) text += " " + point.voiceText;
  return text;
}

}  // namespace

std::string GpxDocument(std::span<const ExportedPoint> points) {
  std::string document =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      "<gpx version=\"1.1\" creator=\"pinmover\" xmlns=\"http://www.topografix.com/GPX/1/1\"\n";
  document.append("     xmlns:pm=\"").append(pointExtensionsNamespace).append("\"\n");
  document +=
      "     xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\"\n"
      "     xsi:schemaLocation=\"http://www.topografix.com/GPX/1/1 "
      "http://www.topografix.com/GPX/1/1/gpx.xsd\">\n";
  for (const ExportedPoint& point : points) {
    document += "  <wpt lat=\"" + CoordinateText(point.latitude) + "\" lon=\"" +
                CoordinateText(point.longitude) + "\">\n";
    // The schema's order: name, desc, extensions.
    if (!point.name.empty()) AppendXmlElement(document, "    ", "name", point.name);
    AppendXmlElement(document, "    ", "desc", Description(point));
    document += "    <extensions>\n";
    AppendXmlElement(document, "      ", "pm:icon", std::to_string(point.icon));
    AppendXmlElement(document, "      ", "pm:voice", std::to_string(point.voice));
    AppendXmlElement(document, "      ", "pm:voice_text", point.voiceText);
    AppendXmlElement(document, "      ", "pm:created", point.created);
    document += "    </extensions>\n  </wpt>\n";
  }
  return document + "</gpx>\n";
}

}  // namespace pinmover
