#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/file_error.h"

namespace pinmover {

// What went wrong, or what was changed or passed over, anywhere in the program. Readers, the
// pipeline, conversion, export and the point file reader all return it; only the front ends word
// it (wording/), each in its own way.
enum class ProblemKind {
  // A list or file that cannot be read or written.
  NotAPointList,   // the list reader's own check of the extension
  ListOpenFailed,  // a list did not open: cause
  FileOpenFailed,  // a point file or an output file did not open: cause
  FileFailed,      // a file failed after it was opened: cause; path when the failure names one
  NotWellFormed,   // the file breaks its format's grammar at line and column: detail
  Refused,         // well formed, but holds what is never read (a DTD, too deep a nesting): detail
  ArchiveNotZip,   // a .kmz that is no ZIP archive
  ArchiveDamaged,  // a KMZ cut short or damaged
  ArchiveEncrypted,      // a KMZ whose KML is encrypted
  ArchiveMethodUnknown,  // a KMZ whose KML is compressed as no KMZ is: count is the method
  ArchiveWithoutKml,     // a KMZ that holds no KML
  ArchiveTooLarge,       // a KMZ whose KML inflates past what any map needs: count is the limit
  NetworkLinkOnly,       // a KML that only links to a map on the network: detail is the link
  ListWithoutPositions,  // a saved list whose places carry no coordinates
  MissingColumns,        // a CSV header without the columns a point needs: detail lists those found
  DamagedPointFile,      // a point file to read holds what a written one never has: causes
  OutputIsInput,         // the file to write is one of those to read
  NoPoints,              // nothing to convert: count is the route and track points the file held

  // What a conversion changed in a point or passed over: point, line, name; path when the run
  // reads several lists.
  NameCut,                // longer than the unit shows
  CharactersReplaced,     // characters the unit cannot show became 〓: detail
  ControlsReplaced,       // tabs, line breaks and the like became spaces
  AccentsRemoved,         // Latin letters lost their accents: detail holds the letters
  OutOfRange,             // coordinates off the earth (detail): skipped
  NoPointGeometry,        // a placemark or feature without a point: skipped
  UnreadableCoordinates,  // skipped
  NoPosition,             // the app had no position for it: skipped; detail helps find it again
  IconOutOfRange,         // the point's own icon (detail) is none the unit has: the run's taken
  VoiceOutOfRange,        // the point's own voice (detail) is none the unit has: the run's taken
  // Same name, and within count metres of the point taken as slot (counted from 0 across the
  // run's output)...
  DuplicateKept,          // ...kept all the same
  DuplicateLeftOut,       // ...which the output file held already: not added

  // What a point file holds that a written one never has: slot when it concerns one.
  WrongFileSize,
  WrongHeader,
  InUseMarkNotOne,
  ChecksumMismatch,
  BytesAfterName,
  WrongAttributeBits,
  UnusedBytesSet,
  WrongCreationTime,
  EmptySlotBytesSet,
  FilledSlotAfterEmpty,
  LastSlotsNotEmpty,

  // What an export could not write as the file has it: slot.
  NameUnitNotJis,  // count is the character's position from 1, detail its two bytes in hex
  PositionOffEarth,
};

struct Problem {
  ProblemKind kind = ProblemKind::NotWellFormed;
  std::string path{};        // Shift-JIS: the file concerned; empty when it names none
  std::uint64_t line = 0;    // counted from 1; 0 if unknown
  std::uint64_t column = 0;  // counted from 1; 0 if unknown
  std::uint64_t point = 0;   // the point's number in its list, counted from 1; 0 for none
  int slot = -1;             // the point file's slot, counted from 0; -1 for none
  std::string name{};        // UTF-8: the point's or item's name, as the file gives it
  FileErrorCause cause = FileErrorCause::None;
  std::string detail{};  // UTF-8: what the kind needs besides (see above)
  std::uint64_t count = 0;
  std::vector<Problem> causes{};  // what makes up the problem, each worded on its own

  bool operator==(const Problem&) const = default;
};

// Where problems go as they arise, so that a long list's many changes need not be held at once.
class ProblemSink {
 public:
  virtual ~ProblemSink() = default;
  virtual void Report(const Problem& problem) = 0;
};

}  // namespace pinmover
