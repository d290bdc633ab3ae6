#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace pinmover {

// Shift-JIS text as the W functions take it, and back; nothing when a character does not
// convert.
std::optional<std::wstring> WideFromSjis(std::string_view sjis);
std::optional<std::string> SjisFromWide(std::wstring_view wide);

}  // namespace pinmover
