#include "platform/win32/markup_stretch.h"

#include <string_view>

namespace pinmover {

namespace {

constexpr std::string_view commentOpening = "<!--";
constexpr std::string_view cdataOpening = "<![CDATA[";

constexpr std::uint32_t Last3(std::string_view three) {
  return static_cast<std::uint32_t>(static_cast<unsigned char>(three[0])) << 16 |
         static_cast<std::uint32_t>(static_cast<unsigned char>(three[1])) << 8 |
         static_cast<unsigned char>(three[2]);
}

}  // namespace

void MarkupStretch::Follow(std::string_view bytes, std::uint64_t offset) {
  for (std::size_t i = 0; i < bytes.size(); ++i) Step(bytes[i], offset + i);
}

void MarkupStretch::Step(char byte, std::uint64_t at) {
  last_ = (last_ << 8 | static_cast<unsigned char>(byte)) & 0xFFFFFF;
  switch (state_) {
    case State::Text:
      if (byte == '<') {
        state_ = State::Tag;
        start_ = at;
        opened_ = 1;
        quote_ = 0;
      }
      return;
    case State::Tag:
      if (opened_ < cdataOpening.size()) {
        bool comment = opened_ < commentOpening.size() && byte == commentOpening[opened_];
        bool cdata = byte == cdataOpening[opened_];
        opened_ = comment || cdata ? opened_ + 1 : cdataOpening.size();
        if (comment && opened_ == commentOpening.size()) state_ = State::Comment;
        if (cdata && opened_ == cdataOpening.size()) state_ = State::CData;
        if (comment || cdata) return;
      }
      if (quote_ != 0) {
        if (byte == quote_) quote_ = 0;
      } else if (byte == '"' || byte == '\'') {
        quote_ = byte;
      } else if (byte == '>') {
        state_ = State::Text;
      }
      return;
    case State::Comment:
      if (last_ == Last3("-->")) state_ = State::Text;
      return;
    case State::CData:
      if (last_ == Last3("]]>")) state_ = State::Text;
      return;
  }
}

}  // namespace pinmover
