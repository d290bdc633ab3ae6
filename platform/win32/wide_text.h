#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace pinmover {

// Shift-JIS text as the W functions take it, and back; nothing when a character does not
// convert.
std::optional<std::wstring> WideFromSjis(std::string_view sjis);
std::optional<std::string> SjisFromWide(std::wstring_view wide);

// Text in any code page as UTF-16, and UTF-16 as UTF-8; nothing when a byte sequence has no
// character, or for a lone surrogate.
std::optional<std::wstring> WideFromCodePage(unsigned codePage, std::string_view text);
std::optional<std::string> Utf8FromWide(std::wstring_view wide);

}  // namespace pinmover
