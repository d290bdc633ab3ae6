#include "formats/json_block_input.h"

namespace pinmover {

namespace {

bool IsNumberByte(char byte) {
  return (byte >= '0' && byte <= '9') || byte == '-' || byte == '+' || byte == '.' ||
         byte == 'e' || byte == 'E';
}

}  // namespace

void JsonBlockInput::Advance() {
  const char byte = *next_++;
  if (byte == '\n') {
    ++line_;
    column_ = 0;
  } else {
    ++column_;
  }
  // Follows the parser's tokens just far enough to know where it starts keeping bytes anew.
  ++tokenBytes_;
  switch (lexeme_) {
    case Lexeme::InString:
      if (byte == '\\') {
        lexeme_ = Lexeme::AfterBackslash;
      } else if (byte == '"') {
        lexeme_ = Lexeme::Between;
      }
      break;
    case Lexeme::AfterBackslash: lexeme_ = Lexeme::InString; break;
    case Lexeme::Between: {
      bool numberStart = !afterNumberByte_ && ((byte >= '0' && byte <= '9') || byte == '-');
      if (byte == '"') {
        lexeme_ = Lexeme::InString;
        tokenBytes_ = 1;
      } else if (numberStart) {
        tokenBytes_ = 1;
      }
      afterNumberByte_ = IsNumberByte(byte);
      break;
    }
  }
}

bool JsonBlockInput::Refill() {
  if (fileEnded_) return false;
  std::size_t got = file_.Read({block_.get(), blockSize});
  next_ = block_.get();
  end_ = next_ + got;
  fileEnded_ = got == 0;
  return !fileEnded_;
}

}  // namespace pinmover
