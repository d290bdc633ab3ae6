#pragma once

#include <ostream>

#include "ui/dialog/application_messages.h"

namespace pinmover {

// Message boxes for a program without windows: each message goes to a stream as UTF-8,
// headed by its caption, and is answered at once with OK.
class ConsoleMessageBox : public MessageBoxService {
 public:
  explicit ConsoleMessageBox(std::ostream& out) : out_(out) {}
  int Show(const std::string& text, const std::string& caption, unsigned style) override;

 private:
  std::ostream& out_;
};

}  // namespace pinmover
