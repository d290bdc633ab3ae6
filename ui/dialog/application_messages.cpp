#include "ui/dialog/application_messages.h"

#include <utility>

namespace pinmover {

ApplicationMessages::ApplicationMessages(MessageBoxService& boxes, std::string applicationName)
    : boxes_(boxes), applicationName_(std::move(applicationName)) {}

int ApplicationMessages::Show(const std::string& text, unsigned style) {
  if ((style & message_style::typeMask) == message_style::ok &&
      (style & message_style::iconMask) == 0) {
    style |= message_style::iconExclamation;
  }
  return boxes_.Show(text, applicationName_, style);
}

int ApplicationMessages::Show(const Message& message) {
  if (message.caption.empty()) return Show(message.text, message.style);
  return boxes_.Show(message.text, message.caption, message.style);
}

}  // namespace pinmover
