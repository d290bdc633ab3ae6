#include "platform/console_message_box.h"

#include "platform/text_encoding.h"

namespace pinmover {

namespace {

// A text that is not valid Shift-JIS is still shown, with its odd bytes as hex escapes.
std::string Printable(const std::string& sjis) {
  if (auto utf8 = SjisToUtf8(sjis)) return *utf8;
  static constexpr char hex[] = "0123456789ABCDEF";
  std::string shown;
  for (unsigned char byte : sjis) {
    if (byte < 0x80) {
      shown += static_cast<char>(byte);
    } else {
      shown += "\\x";
      shown += hex[byte >> 4];
      shown += hex[byte & 0x0F];
    }
  }
  return shown;
}

}  // namespace

int ConsoleMessageBox::Show(const std::string& text, const std::string& caption, unsigned) {
  out_ << Printable(caption) << ": " << Printable(text) << '\n' << std::flush;
  return 1;  // IDOK
}

}  // namespace pinmover
