#pragma once

namespace pinmover {

// The datum a point file's coordinates are written in.
enum class Datum {
  Tokyo,  // the old Japanese datum, which this generation of units draws its maps in
  Wgs84,  // as the map apps give them
};

inline constexpr int minIcon = 1;
inline constexpr int maxIcon = 180;
inline constexpr int minVoice = 0;
inline constexpr int maxVoice = 16;
inline constexpr int maxPointsPerFile = 200;

// What the user chooses for a conversion, in either front end.
struct ConversionSettings {
  int icon = minIcon;
  int voice = minVoice;  // index into the voice guidance table
  Datum datum = Datum::Tokyo;
  bool split = false;  // more than maxPointsPerFile points go into numbered files
};

}  // namespace pinmover
