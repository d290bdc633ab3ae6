#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "unitfile/jis_x0208.h"
#include "unitfile/point_file_layout.h"

namespace pinmover {

// A point's name as its slot stores it: up to 19 two-byte units, each a JIS X 0208 code or
// asciiUnitMark and an ASCII byte. Names are compared and written in this form, so that a name
// reaches the unit's code once, however it came.
class SlotName {
 public:
  // A Shift-JIS name as a slot takes it: encoded, cut at 19 characters, and ended early where a
  // malformed pair encodes to a zero byte, which would end the name in the slot anyway.
  static SlotName FromSjis(std::string_view sjis) {
    SlotName name;
    const std::size_t encoded = EncodeName(sjis, name.bytes_);
    name.size_ = static_cast<std::size_t>(
        std::find(name.bytes_.begin(), name.bytes_.begin() + static_cast<std::ptrdiff_t>(encoded),
                  0) -
        name.bytes_.begin());
    std::fill(name.bytes_.begin() + static_cast<std::ptrdiff_t>(name.size_), name.bytes_.end(), 0);
    return name;
  }

  // Adds one unit; false, and nothing added, when the name holds 19 already.
  bool Append(std::array<std::uint8_t, 2> unit) {
    if (size_ == bytes_.size()) return false;
    bytes_[size_] = unit[0];
    bytes_[size_ + 1] = unit[1];
    size_ += 2;
    return true;
  }

  std::span<const std::uint8_t> Bytes() const { return {bytes_.data(), size_}; }
  int Characters() const { return static_cast<int>(size_ / 2); }
  bool operator==(const SlotName&) const = default;

 private:
  std::array<std::uint8_t, nameUnitBytes> bytes_{};
  std::size_t size_ = 0;
};

}  // namespace pinmover
