#pragma once

#include <string>
#include <string_view>

namespace pinmover {

// The parts of a Shift-JIS path. Each part is kept whole, however long, so that joining the
// parts always gives back the path they came from.
struct PathParts {
  std::string drive;      // a letter and a colon, or nothing
  std::string directory;  // up to and including the last separator, or nothing
  std::string baseName;
  std::string extension;  // from the file name's last dot, the dot included, or nothing
};

PathParts SplitPath(std::string_view path);
std::string JoinPath(std::string_view drive, std::string_view directory, std::string_view baseName,
                     std::string_view extension);
// True when the path's extension is a dot and the given extension, ignoring ASCII case.
bool ExtensionMatches(std::string_view path, std::string_view extension);
// The first token of a dropped name or an argument text: delimiters are double quote,
// comma, tab and line feed.
std::string StripPathText(std::string_view text);

}  // namespace pinmover
