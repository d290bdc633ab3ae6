#pragma once

#include <string>
#include <vector>

#include "ui/dialog/application_messages.h"
#include "ui/dialog/dialog_controls.h"

namespace pinmover {

// What the point list window's behaviour needs of its window, besides its message boxes (which
// it shows with exactly the caption and style given, over the window).
class ReviewControls : public MessageBoxService {
 public:
  // Runs a file dialog that may choose several files: their full paths, in the order given,
  // or none when the user cancelled.
  virtual std::vector<std::string> ChooseFiles(const FileDialogRequest& request) = 0;
  // Opens a web page in the user's browser: false when none took it.
  virtual bool OpenLink(const std::string& url) = 0;
};

}  // namespace pinmover
