#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace pinmover {

// Conversions at the program's edges: inside, every text is Shift-JIS (code page 932).
// Each returns nothing when the text holds a character the other side cannot represent,
// or bytes that are not valid in its own encoding; nothing is ever replaced silently.
std::optional<std::string> SjisToUtf8(std::string_view sjis);
std::optional<std::string> Utf8ToSjis(std::string_view utf8);
std::optional<std::u16string> SjisToUtf16(std::string_view sjis);
std::optional<std::string> Utf16ToSjis(std::u16string_view utf16);

}  // namespace pinmover
