#pragma once

#include <cstdint>
#include <string>

namespace pinmover {

// One thing a conversion changed or passed over, for the user to see.
struct ImportReport {
  enum class Kind {
    NameCut,                // longer than the unit shows
    CharactersReplaced,     // characters the unit cannot show became 〓
    ControlsReplaced,       // tabs, line breaks and the like became spaces
    OutOfRange,             // latitude or longitude outside the earth's range: skipped
    NoPointGeometry,        // a placemark or feature without a point: skipped
    UnreadableCoordinates,  // skipped
  };
  Kind kind = Kind::NameCut;
  std::uint64_t pointNumber = 0;  // counted from 1 in the file's order; 0 for skipped items
  std::uint64_t line = 0;         // 0 if unknown
  std::string name;               // UTF-8, the whole original name
  std::string characters;         // UTF-8, the characters that became 〓
  double latitude = 0;
  double longitude = 0;
};

// Where a conversion's reports go as they arise: the command line prints each, the dialog
// collects them for one message.
class ImportReportSink {
 public:
  virtual ~ImportReportSink() = default;
  virtual void Report(const ImportReport& report) = 0;
};

// The report as one line of Japanese, UTF-8.
std::string ImportReportText(const ImportReport& report);

}  // namespace pinmover
