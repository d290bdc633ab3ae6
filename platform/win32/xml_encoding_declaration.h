#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace pinmover {

// Where a document's XML declaration names its encoding: the characters from "encoding" to the
// closing quote, and the name between the quotes.
struct EncodingDeclaration {
  std::size_t begin = 0;
  std::size_t end = 0;
  std::size_t nameBegin = 0;
  std::size_t nameEnd = 0;
};

// Looks at the start of a document, as bytes of an encoding that keeps ASCII as it is or as
// UTF-16. The declaration's pseudo-attributes are read one by one (version, encoding,
// standalone), so that "encoding" is found only where it is one. Nothing when the document has
// no declaration, or one that names no encoding or that is cut off; the parser reports a faulty
// one.
template <class Char>
std::optional<EncodingDeclaration> FindEncodingDeclaration(std::basic_string_view<Char> start) {
  auto isSpace = [](Char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  auto isLetter = [](Char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); };
  auto skip = [&](std::size_t at, auto what) {
    while (at < start.size() && what(start[at])) ++at;
    return at;
  };
  auto startsWith = [&](std::size_t at, std::string_view ascii) {
    if (start.size() - at < ascii.size()) return false;
    for (std::size_t i = 0; i < ascii.size(); ++i) {
      if (start[at + i] != static_cast<Char>(ascii[i])) return false;
    }
    return true;
  };
  if (!startsWith(0, "<?xml")) return std::nullopt;
  std::size_t at = 5;
  for (;;) {
    std::size_t nameBegin = skip(at, isSpace);
    if (nameBegin == at) return std::nullopt;
    std::size_t nameEnd = skip(nameBegin, isLetter);
    if (nameEnd == nameBegin) return std::nullopt;
    std::size_t equals = skip(nameEnd, isSpace);
    if (equals >= start.size() || start[equals] != '=') return std::nullopt;
    std::size_t quote = skip(equals + 1, isSpace);
    if (quote >= start.size() || (start[quote] != '"' && start[quote] != '\'')) {
      return std::nullopt;
    }
    std::size_t closing = start.find(start[quote], quote + 1);
    if (closing == std::basic_string_view<Char>::npos) return std::nullopt;
    if (nameEnd - nameBegin == 8 && startsWith(nameBegin, "encoding")) {
      return EncodingDeclaration{nameBegin, closing + 1, quote + 1, closing};
    }
    at = closing + 1;
  }
}

}  // namespace pinmover
