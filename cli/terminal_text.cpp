#include "cli/terminal_text.h"

#include <cstdio>

#include "text/utf8.h"

namespace pinmover {

std::string TerminalText(std::string_view utf8) {
  std::string shown;
  shown.reserve(utf8.size());
  char escape[16];
  for (std::size_t at = 0; at < utf8.size();) {
    const DecodedCodePoint character = DecodeUtf8At(utf8, at);
    const char32_t c = character.codePoint;
    if (character.valid && (c < 0x20 || (c >= 0x7F && c <= 0x9F))) {
      std::snprintf(escape, sizeof escape, c < 0x80 ? "\\x%02X" : "\\u%04X",
                    static_cast<unsigned>(c));
      shown += escape;
    } else {
      shown.append(utf8.substr(at, character.length));
    }
    at += character.length;
  }
  return shown;
}

}  // namespace pinmover
