#include "text/utf8.h"

#include <array>
#include <cstdint>
#include <cstring>

namespace pinmover {

namespace {

// What a leading byte asks of the bytes after it (RFC 3629's table of well-formed sequences).
struct LeadingByte {
  bool valid = false;
  unsigned char continuations = 0;
  unsigned char low = 0x80;  // the range of the first continuation byte
  unsigned char high = 0xBF;
};

constexpr LeadingByte Classify(unsigned byte) {
  if (byte < 0x80) return {true, 0};
  if (byte >= 0xC2 && byte <= 0xDF) return {true, 1};
  if (byte == 0xE0) return {true, 2, 0xA0, 0xBF};
  if (byte == 0xED) return {true, 2, 0x80, 0x9F};
  if (byte >= 0xE1 && byte <= 0xEF) return {true, 2};
  if (byte == 0xF0) return {true, 3, 0x90, 0xBF};
  if (byte >= 0xF1 && byte <= 0xF3) return {true, 3};
  if (byte == 0xF4) return {true, 3, 0x80, 0x8F};
  return {};
}

// Looked up rather than worked out: a file of Japanese text has a leading byte every third byte.
constexpr std::array<LeadingByte, 256> leadingBytes = [] {
  std::array<LeadingByte, 256> table{};
  for (unsigned byte = 0; byte < 256; ++byte) table[byte] = Classify(byte);
  return table;
}();

// The length of the well-formed character at the start of text, or 0.
std::size_t CharacterLength(std::string_view text) {
  const LeadingByte& lead = leadingBytes[static_cast<unsigned char>(text[0])];
  if (!lead.valid || text.size() <= lead.continuations) return 0;
  for (std::size_t i = 1; i <= lead.continuations; ++i) {
    auto byte = static_cast<unsigned char>(text[i]);
    unsigned char low = i == 1 ? lead.low : 0x80;
    unsigned char high = i == 1 ? lead.high : 0xBF;
    if (byte < low || byte > high) return 0;
  }
  return lead.continuations + 1;
}

}  // namespace

bool Utf8Validator::Feed(std::string_view bytes) {
  std::size_t i = 0;
  while (valid_ && i < bytes.size()) {
    if (pending_ == 0) {
      // Most of a file is ASCII: eight bytes at a time while it lasts.
      while (bytes.size() - i >= 8) {
        std::uint64_t word;
        std::memcpy(&word, bytes.data() + i, 8);
        if (word & 0x8080808080808080u) break;
        i += 8;
      }
      if (i == bytes.size()) break;
      const LeadingByte& lead = leadingBytes[static_cast<unsigned char>(bytes[i++])];
      valid_ = lead.valid;
      pending_ = lead.continuations;
      low_ = lead.low;
      high_ = lead.high;
    } else {
      auto byte = static_cast<unsigned char>(bytes[i++]);
      valid_ = byte >= low_ && byte <= high_;
      --pending_;
      low_ = 0x80;
      high_ = 0xBF;
    }
  }
  return valid_;
}

std::string ValidUtf8(std::string_view text) {
  std::string valid;
  valid.reserve(text.size());
  while (!text.empty()) {
    std::size_t length = CharacterLength(text);
    if (length == 0) {
      valid += replacementCharacterUtf8;
      length = 1;
    } else {
      valid.append(text.substr(0, length));
    }
    text.remove_prefix(length);
  }
  return valid;
}

std::string_view Utf8Prefix(std::string_view text, std::size_t maxBytes) {
  if (text.size() <= maxBytes) return text;
  std::size_t cut = maxBytes;
  // A character is at most four bytes long: no need to look further back than three.
  for (int stepsBack = 0; stepsBack < 3 && cut > 0; ++stepsBack) {
    if ((static_cast<unsigned char>(text[cut]) & 0xC0) != 0x80) break;
    --cut;
  }
  return text.substr(0, cut);
}

}  // namespace pinmover
