#include "text/utf8_code_points.h"

namespace pinmover {

DecodedCodePoint DecodeUtf8At(std::string_view text, std::size_t offset) {
  const auto byteAt = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned lead = byteAt(offset);
  if (lead < 0x80) return {lead, 1, true};
  std::size_t following = 0;
  char32_t codePoint = 0;
  // The second byte's range excludes overlong forms, surrogates and code points past U+10FFFF.
  unsigned low = 0x80;
  unsigned high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    following = 1;
    codePoint = lead & 0x1Fu;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    following = 2;
    codePoint = lead & 0x0Fu;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    following = 3;
    codePoint = lead & 0x07u;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return {0, 1, false};
  }
  std::size_t length = 1;
  for (; following > 0; --following) {
    if (offset + length >= text.size()) return {0, length, false};
    const unsigned next = byteAt(offset + length);
    if (next < low || next > high) return {0, length, false};
    codePoint = codePoint << 6 | (next & 0x3Fu);
    ++length;
    low = 0x80;
    high = 0xBF;
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

}  // namespace pinmover
