#include "platform/xml_encoding_name.h"

#include <algorithm>
#include <array>
#include <utility>

namespace pinmover {

namespace {

char AsciiLower(char letter) {
  return letter >= 'A' && letter <= 'Z' ? static_cast<char>(letter - 'A' + 'a') : letter;
}

bool SameName(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [](char x, char y) { return AsciiLower(x) == AsciiLower(y); });
}

// Older Japanese software writes any of the three names for code page 932.
constexpr std::array<std::pair<std::string_view, DeclaredEncoding>, 6> knownNames{{
    {"UTF-8", DeclaredEncoding::Utf8},
    {"Shift_JIS", DeclaredEncoding::ShiftJis},
    {"Windows-31J", DeclaredEncoding::ShiftJis},
    {"CP932", DeclaredEncoding::ShiftJis},
    {"ISO-8859-1", DeclaredEncoding::Latin1},
    {"US-ASCII", DeclaredEncoding::Ascii},
}};

}  // namespace

DeclaredEncoding ClassifyEncodingName(std::string_view name) {
  for (const auto& [known, encoding] : knownNames) {
    if (SameName(name, known)) return encoding;
  }
  return DeclaredEncoding::Other;
}

}  // namespace pinmover
