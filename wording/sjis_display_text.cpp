#include "wording/sjis_display_text.h"

#include <optional>

#include "platform/text_encoding.h"
#include "text/utf8.h"

namespace pinmover {

std::string SjisDisplayText(std::string_view utf8) {
  if (std::optional<std::string> whole = Utf8ToSjis(utf8)) return *whole;
  std::string text;
  for (std::size_t at = 0; at < utf8.size();) {
    const DecodedCodePoint character = DecodeUtf8At(utf8, at);
    std::optional<std::string> converted;
    if (character.valid) converted = Utf8ToSjis(utf8.substr(at, character.length));
    text += converted.value_or("?");
    at += character.length;
  }
  return text;
}

}  // namespace pinmover
