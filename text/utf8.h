#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace pinmover {

// U+FFFD, what stands for a byte sequence that is no character.
inline constexpr std::string_view replacementCharacterUtf8 = "\xEF\xBF\xBD";

// Checks text handed over in pieces of any size for well-formed UTF-8: no overlong forms, no
// surrogates, nothing above U+10FFFF, no character cut off at the end.
class Utf8Validator {
 public:
  // False from the first byte that cannot belong to UTF-8 text on.
  bool Feed(std::string_view bytes);
  bool Finish() const { return valid_ && pending_ == 0; }

 private:
  bool valid_ = true;
  unsigned pending_ = 0;  // continuation bytes the current character still needs
  unsigned char low_ = 0x80;  // the range the next continuation byte must fall in
  unsigned char high_ = 0xBF;
};

// text with every byte that is not part of a well-formed character replaced by U+FFFD.
std::string ValidUtf8(std::string_view text);

// The longest start of UTF-8 text that is at most maxBytes long and ends with a whole character.
std::string_view Utf8Prefix(std::string_view text, std::size_t maxBytes);

}  // namespace pinmover
