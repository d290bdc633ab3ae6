#pragma once

#include <string>
#include <vector>

#include "tests/fakes/recording_message_box.h"
#include "ui/dialog/review_controls.h"

namespace pinmover::testing {

// The point list window's dialogs and browser as plain values.
class FakeReviewControls : public ReviewControls {
 public:
  int Show(const std::string& text, const std::string& caption, unsigned style) override {
    shown.push_back({text, caption, style});
    return 1;
  }
  std::vector<std::string> ChooseFiles(const FileDialogRequest& request) override {
    fileDialogs.push_back(request);
    return chosen;
  }
  bool OpenLink(const std::string& url) override {
    links.push_back(url);
    return browser;
  }

  std::vector<RecordingMessageBox::Shown> shown;
  std::vector<FileDialogRequest> fileDialogs;
  std::vector<std::string> chosen;  // what the next file dialog gives
  std::vector<std::string> links;
  bool browser = true;  // whether a browser takes the links
};

}  // namespace pinmover::testing
