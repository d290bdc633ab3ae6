#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/file_error.h"

namespace pinmover {

// Why a whole file could not be taken. Readers return it; each front end words it.
struct ReadFailure {
  enum class Kind {
    OpenFailed,        // cause says why
    NotWellFormed,     // the document breaks its format's grammar at line/column
    Refused,           // well formed but not acceptable: a DTD, nesting too deep
    CompressedKml,     // a .kmz: a zip that holds the KML
    MissingColumns,    // a CSV header without the needed columns; detail lists those found
    ReportedByReader,  // the .pmf reader has told the user already
  };
  Kind kind = Kind::NotWellFormed;
  FileErrorCause cause = FileErrorCause::None;
  std::uint64_t line = 0;    // counted from 1; 0 if unknown
  std::uint64_t column = 0;  // counted from 1; 0 if unknown
  std::string detail;        // UTF-8: the parser's own words, or the columns found
};

struct ReadResult {
  std::optional<ReadFailure> failure;
  // Route and track points a GPX file holds besides its waypoints; they are not taken.
  std::uint64_t routeAndTrackPoints = 0;
  // A list made for the unit holds more points than one file takes; those are not read.
  bool pointsBeyondLimit = false;
};

}  // namespace pinmover
