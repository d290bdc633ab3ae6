#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace pinmover {

// The most of one name or coordinate text a reader keeps: far more than any real one, and little
// enough that a hostile file with a gigabyte of text in one element cannot fill the memory.
inline constexpr std::size_t maxKeptText = 4096;

// Appends piece to text without letting text grow past maxKeptText, cutting only between
// UTF-8 characters.
void AppendBounded(std::string& text, std::string_view piece);

}  // namespace pinmover
