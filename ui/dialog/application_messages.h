#pragma once

#include <string>

#include "wording/message.h"

namespace pinmover {

// Shows a message and waits for the user's answer. Texts are Shift-JIS.
class MessageBoxService {
 public:
  virtual ~MessageBoxService() = default;
  virtual int Show(const std::string& text, const std::string& caption, unsigned style) = 0;
};

// The application's standard message box: its caption is always the application's name.
class ApplicationMessages {
 public:
  ApplicationMessages(MessageBoxService& boxes, std::string applicationName);

  // An OK-type box without an icon gets the exclamation icon.
  int Show(const std::string& text, unsigned style = message_style::ok);
  // A message with its own caption goes to the boxes as it is.
  int Show(const Message& message);

 private:
  MessageBoxService& boxes_;
  std::string applicationName_;
};

}  // namespace pinmover
