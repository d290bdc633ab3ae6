#pragma once

#include <optional>
#include <string_view>

namespace pinmover {

// The plain letters that stand for a Latin letter with accents or other marks: é → "e",
// ō → "o", ü → "u", ñ → "n", ç → "c", å → "a", ß → "ss", æ → "ae", œ → "oe", ø → "o", ł → "l",
// đ → "d", ı → "i", and the same in capitals (Æ → "AE"). Nothing for every other character:
// plain ASCII, Greek and Cyrillic (JIS X 0208 has those), symbols such as × ÷ ° ´ ¨.
std::optional<std::string_view> LatinBaseLetters(char32_t c);

}  // namespace pinmover
