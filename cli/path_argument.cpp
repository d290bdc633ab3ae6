#include "cli/path_argument.h"

#include "platform/text_encoding.h"
#include "text/utf8.h"

namespace pinmover {

std::optional<std::string> SjisPathArgument(const std::string& utf8Path, std::ostream& err) {
  std::optional<std::string> path = Utf8ToSjis(utf8Path);
  if (!path) {
    err << "Error: " << Utf8(u8"ファイル名に Shift-JIS で表せない文字が含まれています: ")
        << utf8Path << '\n';
  }
  return path;
}

}  // namespace pinmover
