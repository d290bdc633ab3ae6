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

// One message for the user, as the dialog shows it in a box and the command line prints it.
struct Message {
  std::string text;     // Shift-JIS
  std::string caption;  // Shift-JIS; empty for the application's name
  unsigned style = message_style::ok;

  bool operator==(const Message&) const = default;
};

}  // namespace pinmover
