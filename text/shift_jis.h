#pragma once

namespace pinmover {

// Whether a byte begins a two-byte Shift-JIS character (code page 932), whose second byte may
// look like a backslash, a dot or a bar.
constexpr bool IsShiftJisLeadByte(unsigned char byte) noexcept {
  return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

}  // namespace pinmover
