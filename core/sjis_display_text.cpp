#include "core/sjis_display_text.h"

#include <algorithm>
#include <optional>

#include "platform/text_encoding.h"

namespace pinmover {

namespace {

// The length of the UTF-8 sequence that starts with lead, or 1 for a byte that starts none.
std::size_t SequenceLength(unsigned char lead) {
  if (lead >= 0xF0) return 4;
  if (lead >= 0xE0) return 3;
  if (lead >= 0xC0) return 2;
  return 1;
}

}  // namespace

std::string SjisDisplayText(std::string_view utf8) {
  if (std::optional<std::string> whole = Utf8ToSjis(utf8)) return *whole;
  std::string text;
  while (!utf8.empty()) {
    const std::size_t length =
        std::min(SequenceLength(static_cast<unsigned char>(utf8.front())), utf8.size());
    text += Utf8ToSjis(utf8.substr(0, length)).value_or("?");
    utf8.remove_prefix(length);
  }
  return text;
}

}  // namespace pinmover
