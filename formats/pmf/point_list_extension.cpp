#include "formats/pmf/point_list_extension.h"

#include <cstddef>

#include "text/shift_jis.h"

namespace pinmover {

namespace {

bool IsAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

}  // namespace

bool HasPointListExtension(std::string_view path) {
  std::size_t dot = std::string_view::npos;
  for (std::size_t i = 0; i < path.size(); ++i) {
    char c = path[i];
    if (IsShiftJisLeadByte(static_cast<unsigned char>(c)) && i + 1 < path.size()) {
      ++i;  // its second byte may look like a backslash
    } else if (c == '\\' || c == '/' || (c == ':' && i == 1 && IsAsciiLetter(path[0]))) {
      dot = std::string_view::npos;
    } else if (c == '.') {
      dot = i;
    }
  }
  if (dot == std::string_view::npos) return false;
  std::string_view extension = path.substr(dot);
  constexpr std::string_view wanted = ".PMF";
  if (extension.size() != wanted.size()) return false;
  for (std::size_t i = 0; i < wanted.size(); ++i) {
    char c = extension[i];
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if (c != wanted[i]) return false;
  }
  return true;
}

}  // namespace pinmover
