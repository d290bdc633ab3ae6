#pragma once

#include <string>
#include <string_view>

namespace pinmover {

// Text from a file in code page 932 (what a Japanese spreadsheet saves), as UTF-8. A byte
// sequence that is no character there becomes U+FFFD; everything else is kept.
std::string Cp932ToUtf8(std::string_view text);

}  // namespace pinmover
