#pragma once

#include <string>

namespace pinmover {

// Style flags of a message box, with the values Win32 gives them.
namespace message_style {
inline constexpr unsigned ok = 0x0000;
inline constexpr unsigned yesNo = 0x0004;
inline constexpr unsigned typeMask = 0x000F;
inline constexpr unsigned iconStop = 0x0010;
inline constexpr unsigned iconQuestion = 0x0020;
inline constexpr unsigned iconExclamation = 0x0030;
inline constexpr unsigned iconInformation = 0x0040;
inline constexpr unsigned iconMask = 0x00F0;
inline constexpr unsigned systemModal = 0x1000;
}  // namespace message_style

// The button a message box was closed with, as Win32 numbers it.
namespace message_answer {
inline constexpr int yes = 6;
inline constexpr int no = 7;
}  // namespace message_answer

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

 private:
  MessageBoxService& boxes_;
  std::string applicationName_;
};

}  // namespace pinmover
