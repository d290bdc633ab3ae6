#pragma once

#include <string_view>

namespace pinmover {

// The command line writes its own words as UTF-8, the terminal's encoding.
inline std::string_view Utf8(const char8_t* text) {
  return reinterpret_cast<const char*>(text);
}

}  // namespace pinmover
