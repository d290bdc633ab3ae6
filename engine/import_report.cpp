#include "engine/import_report.h"

#include <cstdio>

namespace pinmover {

namespace {

std::string Utf8(const char8_t* text) { return reinterpret_cast<const char*>(text); }

// Where the item stands in its file: its number among the points, else its line.
std::string Place(const ImportReport& report) {
  std::string place;
  if (report.pointNumber != 0) {
    place = Utf8(u8"地点 ") + std::to_string(report.pointNumber);
  } else if (report.line != 0) {
    place = std::to_string(report.line) + Utf8(u8" 行目");
  } else {
    place = Utf8(u8"名前");
  }
  if (report.name.empty()) return place + ": ";
  return place + Utf8(u8"「") + report.name + Utf8(u8"」: ");
}

std::string Coordinates(const ImportReport& report) {
  char text[96];
  std::snprintf(text, sizeof text, "%.7g, %.7g", report.latitude, report.longitude);
  return text;
}

}  // namespace

std::string ImportReportText(const ImportReport& report) {
  switch (report.kind) {
    case ImportReport::Kind::NameCut:
      return Place(report) + Utf8(u8"名前が 19 文字を超えるため、19 文字までにしました");
    case ImportReport::Kind::CharactersReplaced:
      return Place(report) + Utf8(u8"ナビで表示できない文字 ") + report.characters +
             Utf8(u8" を 〓 にしました");
    case ImportReport::Kind::ControlsReplaced:
      return Place(report) + Utf8(u8"名前のタブや改行を空白にしました");
    case ImportReport::Kind::OutOfRange:
      return Place(report) + Utf8(u8"緯度・経度 (") + Coordinates(report) +
             Utf8(u8") が範囲外のため、この地点は変換しませんでした");
    case ImportReport::Kind::NoPointGeometry:
      return Place(report) + Utf8(u8"地点 (Point) がないため、変換しませんでした");
    case ImportReport::Kind::UnreadableCoordinates:
      return Place(report) + Utf8(u8"緯度・経度が読み取れないため、変換しませんでした");
  }
  return {};
}

}  // namespace pinmover
