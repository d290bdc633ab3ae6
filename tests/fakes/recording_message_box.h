#pragma once

#include <string>
#include <vector>

#include "ui/dialog/application_messages.h"

namespace pinmover::testing {

// Remembers every message box the program showed, in order.
class RecordingMessageBox : public MessageBoxService {
 public:
  struct Shown {
    std::string text;
    std::string caption;
    unsigned style;
    bool operator==(const Shown&) const = default;
  };

  std::vector<Shown> shown;

  int Show(const std::string& text, const std::string& caption, unsigned style) override {
    shown.push_back({text, caption, style});
    return 1;
  }
};

}  // namespace pinmover::testing
