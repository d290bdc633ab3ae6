#include "text/path_operations.h"

#include <algorithm>

#include "text/shift_jis.h"

namespace pinmover {

namespace {

constexpr std::string_view pathTextDelimiters{"\",\t\n"};

bool IsSeparator(char byte) noexcept { return byte == '\\' || byte == '/'; }

char AsciiUpper(char byte) noexcept {
  return byte >= 'a' && byte <= 'z' ? static_cast<char>(byte - 'a' + 'A') : byte;
}

std::string AsciiUpper(std::string_view text) {
  std::string upper(text);
  std::transform(upper.begin(), upper.end(), upper.begin(),
                 [](char byte) { return AsciiUpper(byte); });
  return upper;
}

// Positions, within text, of the last separator and of the last dot that are whole characters
// rather than the second byte of a double-byte character.
struct LastMarks {
  std::size_t separator = std::string_view::npos;
  std::size_t dot = std::string_view::npos;
  bool endsInSeparator = false;
};

LastMarks FindLastMarks(std::string_view text) {
  LastMarks marks;
  for (std::size_t i = 0; i < text.size(); ++i) {
    bool separator = IsSeparator(text[i]);
    marks.endsInSeparator = separator;
    if (separator) {
      marks.separator = i;
    } else if (text[i] == '.') {
      marks.dot = i;
    } else if (IsShiftJisLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size()) {
      ++i;
    }
  }
  return marks;
}

}  // namespace

PathParts SplitPath(std::string_view path) {
  PathParts parts;
  if (path.size() >= 2 && path[1] == ':') {
    parts.drive = path.substr(0, 2);
    path.remove_prefix(2);
  }
  LastMarks marks = FindLastMarks(path);
  std::size_t nameStart = marks.separator == std::string_view::npos ? 0 : marks.separator + 1;
  parts.directory = path.substr(0, nameStart);
  std::string_view name = path.substr(nameStart);
  std::size_t dot = marks.dot != std::string_view::npos && marks.dot >= nameStart
                        ? marks.dot - nameStart
                        : std::string_view::npos;
  parts.baseName = name.substr(0, dot);
  if (dot != std::string_view::npos) parts.extension = name.substr(dot);
  return parts;
}

std::string JoinPath(std::string_view drive, std::string_view directory, std::string_view baseName,
                     std::string_view extension) {
  std::string path;
  if (!drive.empty()) {
    path += drive.front();
    path += ':';
  }
  if (!directory.empty()) {
    path += directory;
    if (!FindLastMarks(directory).endsInSeparator) path += '\\';
  }
  path += baseName;
  if (!extension.empty()) {
    if (extension.front() != '.') path += '.';
    path += extension;
  }
  return path;
}

bool ExtensionMatches(std::string_view path, std::string_view extension) {
  return AsciiUpper(SplitPath(path).extension) == AsciiUpper("." + std::string(extension));
}

std::string StripPathText(std::string_view text) {
  std::size_t start = text.find_first_not_of(pathTextDelimiters);
  if (start == std::string_view::npos) return {};
  std::size_t end = text.find_first_of(pathTextDelimiters, start);
  return std::string(text.substr(start, end == std::string_view::npos ? end : end - start));
}

}  // namespace pinmover
