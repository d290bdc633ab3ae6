#include "formats/kml/kml_writer.h"

#include "formats/xml/xml_text.h"
#include "text/decimal_degrees.h"

namespace pinmover {

namespace {

void AppendData(std::string& document, std::string_view name, std::string_view utf8) {
  document.append("        <Data name=\"").append(name).append("\">");
  document.append("<value>").append(XmlEscaped(utf8)).append("</value></Data>\n");
}

}  // namespace

std::string KmlDocument(std::span<const ExportedPoint> points) {
  std::string document =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      "<kml xmlns=\"http://www.opengis.net/kml/2.2\">\n"
      "  <Document>\n";
  for (const ExportedPoint& point : points) {
    document += "    <Placemark>\n";
    // A feature's elements come before its geometry.
    if (!point.name.empty()) AppendXmlElement(document, "      ", "name", point.name);
    document += "      <ExtendedData>\n";
    AppendData(document, "icon", std::to_string(point.icon));
    AppendData(document, "voice", std::to_string(point.voice));
    AppendData(document, "voice_text", point.voiceText);
    AppendData(document, "created", point.created);
    document += "      </ExtendedData>\n";
    document += "      <Point><coordinates>" + CoordinateText(point.longitude) + "," +
                CoordinateText(point.latitude) + "</coordinates></Point>\n";
    document += "    </Placemark>\n";
  }
  return document + "  </Document>\n</kml>\n";
}

}  // namespace pinmover
