#include "formats/csv/cp932_text.h"

#include <optional>

#include "text/utf8.h"
#include "platform/text_encoding.h"

namespace pinmover {

namespace {

bool IsLeadingByte(unsigned char byte) {
  return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

}  // namespace

std::string Cp932ToUtf8(std::string_view text) {
  if (std::optional<std::string> whole = SjisToUtf8(text)) return *whole;
  // The platform converts all or nothing: character by character, the good ones survive.
  std::string converted;
  while (!text.empty()) {
    auto byte = static_cast<unsigned char>(text[0]);
    std::size_t length = IsLeadingByte(byte) && text.size() > 1 ? 2 : 1;
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
