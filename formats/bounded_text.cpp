#include "formats/bounded_text.h"

namespace pinmover {

void AppendBounded(std::string& text, std::string_view piece) {
  if (text.size() >= maxKeptText) return;
  if (piece.size() > maxKeptText - text.size()) {
    std::size_t keep = maxKeptText - text.size();
    // A continuation byte at the cut means the character it belongs to would be broken.
    while (keep > 0 && (static_cast<unsigned char>(piece[keep]) & 0xC0) == 0x80) --keep;
    piece = piece.substr(0, keep);
  }
  text.append(piece);
}

}  // namespace pinmover
