#include "text/blanks.h"

namespace pinmover {

namespace {

constexpr std::string_view ideographicSpace = "\xE3\x80\x80";

bool IsAsciiBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

}  // namespace

std::string_view TrimBlanks(std::string_view utf8) {
  for (;;) {
    if (!utf8.empty() && IsAsciiBlank(utf8.front())) {
      utf8.remove_prefix(1);
    } else if (utf8.starts_with(ideographicSpace)) {
      utf8.remove_prefix(ideographicSpace.size());
    } else if (!utf8.empty() && IsAsciiBlank(utf8.back())) {
      utf8.remove_suffix(1);
    } else if (utf8.ends_with(ideographicSpace)) {
      utf8.remove_suffix(ideographicSpace.size());
    } else {
      return utf8;
    }
  }
}

}  // namespace pinmover
