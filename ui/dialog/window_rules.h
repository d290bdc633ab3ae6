#pragma once

#include <string>
#include <string_view>

namespace pinmover {

// The argument text of a command line: what follows the program name (quoted or not) and
// every character of code 32 or below after it.
std::wstring_view ArgumentText(std::wstring_view commandLine);

// Whether a system command is the version item; the system keeps the low four bits of a
// command id for itself.
bool IsVersionCommand(unsigned commandId);

struct IconOrigin {
  int x = 0;
  int y = 0;
  bool operator==(const IconOrigin&) const = default;
};

// Where the minimised window draws its icon so that it sits in the middle of the client area.
IconOrigin MinimisedIconOrigin(int clientWidth, int clientHeight, int iconWidth, int iconHeight);

// The application's name, the caption of its message boxes: the executable's file name
// without its extension, so that renaming the program renames every caption.
std::string ApplicationNameOf(std::string_view sjisExecutablePath);

}  // namespace pinmover
