#include "formats/csv/cp932_text.h"

#include <optional>

#include "platform/text_encoding.h"
#include "text/shift_jis.h"
#include "text/utf8.h"

namespace pinmover {

std::string Cp932ToUtf8(std::string_view text) {
  if (std::optional<std::string> whole = SjisToUtf8(text)) return *whole;
  // The platform converts all or nothing: character by character, the good ones survive.
  std::string converted;
  while (!text.empty()) {
    auto byte = static_cast<unsigned char>(text[0]);
    std::size_t length = IsShiftJisLeadByte(byte) && text.size() > 1 ? 2 : 1;
    if (std::optional<std::string> character = SjisToUtf8(text.substr(0, length))) {
      converted += *character;
    } else {
      converted += replacementCharacterUtf8;
      length = 1;  // the byte after a bad leading byte may start a character of its own
    }
    text.remove_prefix(length);
  }
  return converted;
}

}  // namespace pinmover
