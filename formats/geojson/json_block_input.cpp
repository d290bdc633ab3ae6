#include "formats/geojson/json_block_input.h"

#include <cstring>

namespace pinmover {

namespace {

bool IsNumberByte(char byte) {
  return (byte >= '0' && byte <= '9') || byte == '-' || byte == '+' || byte == '.' ||
         byte == 'e' || byte == 'E';
}

}  // namespace

std::uint64_t JsonBlockInput::Line() {
  CountLines();
  return line_;
}

std::uint64_t JsonBlockInput::Column() {
  CountLines();
  return blockOffset_ + static_cast<std::uint64_t>(next_ - block_.get()) - lineStart_;
}

void JsonBlockInput::CountLines() {
  while (counted_ != next_) {
    const void* lineBreak = std::memchr(counted_, '\n', static_cast<std::size_t>(next_ - counted_));
    if (!lineBreak) {
      counted_ = next_;
      break;
    }
    counted_ = static_cast<const char*>(lineBreak) + 1;
    ++line_;
    lineStart_ = blockOffset_ + static_cast<std::uint64_t>(counted_ - block_.get());
  }
}

bool JsonBlockInput::Refill() {
  if (fileEnded_) return false;
  CountLines();
  blockOffset_ += blockBytes_;
  blockBytes_ = file_.Read({block_.get(), blockSize});
  next_ = block_.get();
  end_ = next_ + blockBytes_;
  counted_ = next_;
  fileEnded_ = blockBytes_ == 0;
  FollowTokens();
  return next_ != end_;
}

// Follows the parser's tokens just far enough to know where it starts keeping bytes anew, and
// ends the input where the stretch it keeps grows too long.
void JsonBlockInput::FollowTokens() {
  for (const char* at = next_; at != end_; ++at) {
    if (lexeme_ == Lexeme::InString) {
      // Most of a document is plain string bytes, which only add to the count.
      const std::uint64_t room = maxTokenBytes - tokenBytes_;
      const char* limit = static_cast<std::uint64_t>(end_ - at) > room ? at + room : end_;
      const char* plain = at;
      while (plain != limit && *plain != '"' && *plain != '\\') ++plain;
      tokenBytes_ += static_cast<std::uint64_t>(plain - at);
      at = plain;
      if (at == end_) return;
    }
    const char byte = *at;
    ++tokenBytes_;
    switch (lexeme_) {
      case Lexeme::InString:
        lexeme_ = byte == '"' ? Lexeme::Between : byte == '\\' ? Lexeme::AfterBackslash : lexeme_;
        break;
      case Lexeme::AfterBackslash: lexeme_ = Lexeme::InString; break;
      case Lexeme::Between:
        if (byte == '"') {
          lexeme_ = Lexeme::InString;
          tokenBytes_ = 1;
        } else if (!afterNumberByte_ && ((byte >= '0' && byte <= '9') || byte == '-')) {
          tokenBytes_ = 1;
        }
        afterNumberByte_ = IsNumberByte(byte);
        break;
    }
    if (tokenBytes_ > maxTokenBytes) {
      end_ = at + 1;
      cutShort_ = true;
      fileEnded_ = true;
      return;
    }
  }
}

}  // namespace pinmover
