#pragma once

#include <string>

namespace pinmover {

// One point of a navigation unit's file, ready to be written in a map app's format. Every
// format carries the same fields under the same names.
struct ExportedPoint {
  std::string name;       // UTF-8
  double latitude = 0;    // degrees north, within -90..90
  double longitude = 0;   // degrees east, within -180..180
  int icon = 0;
  int voice = 0;          // the voice entry's number, or the code itself when it has no entry
  std::string voiceText;  // UTF-8; empty when the code has no entry
  std::string created;    // YYYY-MM-DDTHH:MM:SS, local time
};

}  // namespace pinmover
