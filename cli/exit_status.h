#pragma once

namespace pinmover {

inline constexpr int exitSuccess = 0;
inline constexpr int exitFailure = 1;
inline constexpr int exitUsage = 2;

}  // namespace pinmover
