#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace pinmover::testing {

// One point as an exported document holds it, every field as its text.
struct ReadBackPoint {
  std::string name;
  double latitude = 0;
  double longitude = 0;
  std::string icon;
  std::string voice;
  std::string voiceText;
  std::string created;
};

// Reads an exported document of the named format with a reader other than the program's own
// point readers: the XML parser, nlohmann-json, the CSV splitter. Fails the test (and returns
// what it read) when the document is not well formed or a coordinate is not written with
// exactly 7 decimals.
std::vector<ReadBackPoint> ReadExportedDocument(std::string_view format,
                                                const std::string& document);

}  // namespace pinmover::testing
