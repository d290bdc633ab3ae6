#pragma once

#include "unitfile/point_file_layout.h"

namespace pinmover {

// The datum a point file's coordinates are written in.
enum class Datum {
  Tokyo,  // the old Japanese datum, which this generation of units draws its maps in
  Wgs84,  // as the map apps give them
};

// What the user chooses for a conversion, in either front end.
struct ConversionSettings {
  int icon = minIcon;
  int voice = 0;  // index into the voice guidance table
  Datum datum = Datum::Tokyo;
  bool split = false;  // more than maxPointsPerFile points go into numbered files
};

}  // namespace pinmover
