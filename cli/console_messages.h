#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "problem/problem.h"
#include "wording/message.h"

namespace pinmover {

// A message as the command line prints it: a line of UTF-8 headed by its caption (the
// application's name where the dialog's box would show it).
void PrintMessage(const Message& message, const std::string& applicationName, std::ostream& out);
void PrintMessages(const std::vector<Message>& messages, const std::string& applicationName,
                   std::ostream& out);

// The problems found in a point file, a line each, in the words every command uses for them.
void PrintPointFileProblems(const std::vector<Problem>& problems, std::ostream& out);

// A Shift-JIS text as UTF-8; a text that is not valid still shows, its bytes above ASCII escaped.
std::string ReadableUtf8(const std::string& sjis);

}  // namespace pinmover
