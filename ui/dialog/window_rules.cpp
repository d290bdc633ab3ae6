#include "ui/dialog/window_rules.h"

#include "text/path_operations.h"
#include "ui/resource_ids.h"

namespace pinmover {

std::wstring_view ArgumentText(std::wstring_view commandLine) {
  std::size_t at = 0;
  if (!commandLine.empty() && commandLine.front() == L'"') {
    // A quoted program name ends at its closing quote; without one the whole line is the name.
    std::size_t closing = commandLine.find(L'"', 1);
    at = closing == std::wstring_view::npos ? commandLine.size() : closing + 1;
  } else {
    while (at < commandLine.size() && commandLine[at] > L' ') ++at;
  }
  while (at < commandLine.size() && commandLine[at] <= L' ') ++at;
  return commandLine.substr(at);
}

bool IsVersionCommand(unsigned commandId) { return (commandId & 0xFFF0u) == IDM_ABOUT_BOX; }

IconOrigin MinimisedIconOrigin(int clientWidth, int clientHeight, int iconWidth, int iconHeight) {
  // Division truncates toward zero, so a client area one pixel too small still gives 0.
  return {(clientWidth - iconWidth + 1) / 2, (clientHeight - iconHeight + 1) / 2};
}

std::string ApplicationNameOf(std::string_view sjisExecutablePath) {
  return SplitPath(sjisExecutablePath).baseName;
}

}  // namespace pinmover
