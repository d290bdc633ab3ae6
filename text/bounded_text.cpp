#include "text/bounded_text.h"

#include "text/utf8.h"

namespace pinmover {

void AppendBounded(std::string& text, std::string_view piece) {
  if (text.size() >= maxKeptText) return;
  text.append(Utf8Prefix(piece, maxKeptText - text.size()));
}

}  // namespace pinmover
