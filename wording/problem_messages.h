#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/file_system.h"
#include "problem/problem.h"
#include "wording/message.h"

namespace pinmover {

// The messages that tell the user why a conversion, a dump or an export stopped, in the order
// they are shown. A list's own failures come first under the application's name, the
// conversion's under "ERROR", as the dialog has always shown them. files gives the full path
// that a failed file's report names.
std::vector<Message> ProblemMessages(const Problem& problem, FileSystem& files);

// What the user is told when the program ran out of memory.
Message OutOfMemoryMessage();

// Why a chosen file cannot be taken: its extension is none of those listed.
std::string WrongTypeText(std::string_view which, std::string_view extensions);
// Every extension a list is read from, as WrongTypeText lists them: ".pmf .gpx ...".
std::string ReadExtensionList();

}  // namespace pinmover
