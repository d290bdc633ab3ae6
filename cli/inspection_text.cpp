#include "cli/inspection_text.h"

#include <cstdio>

#include "platform/text_encoding.h"

namespace pinmover {

std::string ReadableUtf8(const std::string& sjis) {
  if (auto utf8 = SjisToUtf8(sjis)) return *utf8;
  std::string shown;
  char escape[8];
  for (unsigned char byte : sjis) {
    if (byte < 0x80) {
      shown += static_cast<char>(byte);
    } else {
      std::snprintf(escape, sizeof escape, "\\x%02X", byte);
      shown += escape;
    }
  }
  return shown;
}

void PrintProblems(const std::vector<std::string>& sjisProblems, std::ostream& out) {
  for (const std::string& problem : sjisProblems) out << "problem: " << ReadableUtf8(problem) << '\n';
}

}  // namespace pinmover
