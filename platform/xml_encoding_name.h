#pragma once

#include <string_view>

namespace pinmover {

// The encodings of eight-bit units that a document may declare and that we read, named as the
// document names them.
enum class DeclaredEncoding { Utf8, ShiftJis, Latin1, Ascii, Other };

// Names are compared in any letter case, as XML asks.
DeclaredEncoding ClassifyEncodingName(std::string_view name);

}  // namespace pinmover
