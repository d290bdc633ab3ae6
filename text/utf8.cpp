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
  unsigned char payloadMask = 0x7F;  // the bits of the lead that belong to the code point
};

constexpr LeadingByte Classify(unsigned byte) {
  if (byte < 0x80) return {true, 0};
  if (byte >= 0xC2 && byte <= 0xDF) return {true, 1, 0x80, 0xBF, 0x1F};
  if (byte == 0xE0) return {true, 2, 0xA0, 0xBF, 0x0F};
  if (byte == 0xED) return {true, 2, 0x80, 0x9F, 0x0F};
  if (byte >= 0xE1 && byte <= 0xEF) return {true, 2, 0x80, 0xBF, 0x0F};
  if (byte == 0xF0) return {true, 3, 0x90, 0xBF, 0x07};
  if (byte >= 0xF1 && byte <= 0xF3) return {true, 3, 0x80, 0xBF, 0x07};
  if (byte == 0xF4) return {true, 3, 0x80, 0x8F, 0x07};
  return {};
}

// Looked up rather than worked out: a file of Japanese text has a leading byte every third byte.
constexpr std::array<LeadingByte, 256> leadingBytes = [] {
  std::array<LeadingByte, 256> table{};
  for (unsigned byte = 0; byte < 256; ++byte) table[byte] = Classify(byte);
  return table;
}();

const LeadingByte& LeadOf(char byte) { return leadingBytes[static_cast<unsigned char>(byte)]; }

bool IsContinuation(char byte) { return (static_cast<unsigned char>(byte) & 0xC0) == 0x80; }

}  // namespace

DecodedCodePoint DecodeUtf8At(std::string_view text, std::size_t offset) {
  const LeadingByte& lead = LeadOf(text[offset]);
  if (!lead.valid) return {0, 1, false};
  char32_t codePoint = static_cast<unsigned char>(text[offset]) & lead.payloadMask;
  std::size_t length = 1;
  for (unsigned char low = lead.low, high = lead.high; length <= lead.continuations;
       ++length, low = 0x80, high = 0xBF) {
    if (offset + length >= text.size()) return {0, length, false};
    const auto next = static_cast<unsigned char>(text[offset + length]);
    if (next < low || next > high) return {0, length, false};
    codePoint = codePoint << 6 | (next & 0x3Fu);
  }
  return {codePoint, length, true};
}

void AppendUtf8(std::string& text, char32_t codePoint) {
  const auto add = [&](char32_t bits) { text += static_cast<char>(bits); };
  if (codePoint < 0x80) {
    add(codePoint);
  } else if (codePoint < 0x800) {
    add(0xC0 | codePoint >> 6);
    add(0x80 | (codePoint & 0x3F));
  } else if (codePoint < 0x10000) {
    add(0xE0 | codePoint >> 12);
    add(0x80 | (codePoint >> 6 & 0x3F));
    add(0x80 | (codePoint & 0x3F));
  } else {
    add(0xF0 | codePoint >> 18);
    add(0x80 | (codePoint >> 12 & 0x3F));
    add(0x80 | (codePoint >> 6 & 0x3F));
    add(0x80 | (codePoint & 0x3F));
  }
}

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
      const LeadingByte& lead = LeadOf(bytes[i++]);
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
  for (std::size_t at = 0; at < text.size();) {
    const DecodedCodePoint character = DecodeUtf8At(text, at);
    if (character.valid) {
      valid.append(text.substr(at, character.length));
      at += character.length;
    } else {
      valid += replacementCharacterUtf8;
      ++at;  // the byte after a broken lead may begin a character of its own
    }
  }
  return valid;
}

std::string_view Utf8Prefix(std::string_view text, std::size_t maxBytes) {
  if (text.size() <= maxBytes) return text;
  std::size_t cut = maxBytes;
  // A character is at most four bytes long: no need to look further back than three.
  for (int stepsBack = 0; stepsBack < 3 && cut > 0 && IsContinuation(text[cut]); ++stepsBack) {
    --cut;
  }
  return text.substr(0, cut);
}

std::size_t WholeUtf8Length(std::string_view bytes) {
  std::size_t lead = bytes.size();
  while (lead > 0 && bytes.size() - lead < 4 && IsContinuation(bytes[lead - 1])) --lead;
  if (lead == 0) return bytes.size();
  --lead;
  return lead + 1 + LeadOf(bytes[lead]).continuations > bytes.size() ? lead : bytes.size();
}

}  // namespace pinmover
