#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace pinmover {

// U+FFFD, what stands for a byte sequence that is no character.
inline constexpr std::string_view replacementCharacterUtf8 = "\xEF\xBF\xBD";
// What spreadsheets put before UTF-8 text so as not to take it for their code page.
inline constexpr std::string_view utf8ByteOrderMark = "\xEF\xBB\xBF";

// A u8"" literal as the bytes it holds: narrow literals are Shift-JIS in this program.
inline std::string_view Utf8(const char8_t* text) { return reinterpret_cast<const char*>(text); }

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

// Checks text handed over in pieces of any size for well-formed UTF-8: no overlong forms, no
// surrogates, nothing above U+10FFFF, no character cut off at the end.
class Utf8Validator {
 public:
  // False from the first byte that cannot belong to UTF-8 text on.
  bool Feed(std::string_view bytes);
  bool Finish() const { return valid_ && pending_ == 0; }

 private:
  bool valid_ = true;
  unsigned pending_ = 0;      // continuation bytes the current character still needs
  unsigned char low_ = 0x80;  // the range the next continuation byte must fall in
  unsigned char high_ = 0xBF;
};

// text with every byte that is not part of a well-formed character replaced by U+FFFD.
std::string ValidUtf8(std::string_view text);

// The longest start of UTF-8 text that is at most maxBytes long and ends with a whole character.
std::string_view Utf8Prefix(std::string_view text, std::size_t maxBytes);

// The length of bytes without a character that their end cuts off, for text that arrives a
// block at a time: what is left waits for the next block.
std::size_t WholeUtf8Length(std::string_view bytes);

}  // namespace pinmover
