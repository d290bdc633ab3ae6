#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/point_conversion.h"

namespace pinmover {

// How many entries of a list one message box shows: with the lines a long entry wraps into,
// the box still fits on a small screen.
inline constexpr std::size_t maxListedEntries = 20;

// The entries a line each, then a count of the ones beyond them (Shift-JIS), without a final
// line break.
std::string ListedEntries(const std::vector<std::string>& entries, std::uint64_t total);

// The message of a finished conversion, naming what was written.
std::string CompletionText(const ConversionResult& result);

// What a finished conversion left out, and how to write it all where splitting can, for the
// command line; empty when it wrote every point.
std::string LeftOutText(const ConversionResult& result, bool splitPossible);

}  // namespace pinmover
