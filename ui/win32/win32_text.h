#pragma once

#include <string>
#include <string_view>

namespace pinmover {

// Shift-JIS text for a W function. Bytes that are not Shift-JIS show as the system's
// replacement character rather than losing the whole text.
std::wstring WideText(std::string_view sjis);

// What the user typed or the system handed over, as Shift-JIS. A character that Shift-JIS
// lacks becomes '?', which no file name may contain, so such a path can never name another
// file; the file operation then reports it.
std::string SjisText(std::wstring_view wide);

}  // namespace pinmover
