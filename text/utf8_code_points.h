#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace pinmover {

struct DecodedCodePoint {
  char32_t codePoint = 0;  // 0 when not valid
  std::size_t length = 0;  // bytes taken, at least 1 while text remains
  bool valid = false;
};

// The code point that starts at offset, strictly as UTF-8 allows (no overlong forms, surrogates
// or values past U+10FFFF). An invalid sequence takes its longest prefix that could have begun
// a character, so that each broken character counts once and the next one is read intact.
DecodedCodePoint DecodeUtf8At(std::string_view text, std::size_t offset);

void AppendUtf8(std::string& text, char32_t codePoint);

}  // namespace pinmover
