#include "formats/csv/csv_writer.h"

#include "formats/csv/spreadsheet_cell.h"

#include "text/decimal_degrees.h"
#include "text/utf8.h"

namespace pinmover {

namespace {

std::string Field(const std::string& utf8) {
  if (utf8.find_first_of(",\"\r\n") == std::string::npos) return utf8;
  std::string quoted = "\"";
  for (char c : utf8) {
    quoted += c;
    if (c == '"') quoted += '"';
  }
  return quoted + "\"";
}

}  // namespace

std::string CsvDocument(std::span<const ExportedPoint> points) {
  // The byte order mark tells a Japanese spreadsheet the table is UTF-8, not its code page;
  // the CSV reader passes over it.
  std::string document = std::string(utf8ByteOrderMark) + "name,lat,lon,icon,voice,voice_text,created\r\n";
  for (const ExportedPoint& point : points) {
    document += Field(SpreadsheetSafeText(point.name)) + "," + CoordinateText(point.latitude) + "," +
                CoordinateText(point.longitude) + "," + std::to_string(point.icon) + "," +
                std::to_string(point.voice) + "," + Field(SpreadsheetSafeText(point.voiceText)) + "," +
                Field(point.created) + "\r\n";
  }
  return document;
}

}  // namespace pinmover
