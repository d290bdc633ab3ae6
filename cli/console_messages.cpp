#include "cli/console_messages.h"

#include <cstdio>

#include "platform/text_encoding.h"
#include "wording/point_file_problem_text.h"

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

void PrintMessage(const Message& message, const std::string& applicationName, std::ostream& out) {
  out << ReadableUtf8(message.caption.empty() ? applicationName : message.caption) << ": "
      << ReadableUtf8(message.text) << '\n'
      << std::flush;
}

void PrintPointFileProblems(const std::vector<Problem>& problems, std::ostream& out) {
  for (const Problem& problem : problems) {
    out << "problem: " << ReadableUtf8(PointFileProblemText(problem)) << '\n';
  }
}

void PrintMessages(const std::vector<Message>& messages, const std::string& applicationName,
                   std::ostream& out) {
  for (const Message& message : messages) PrintMessage(message, applicationName, out);
}

}  // namespace pinmover
