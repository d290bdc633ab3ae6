#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <memory>

#include "platform/file_system.h"

namespace pinmover {

// A file's bytes for the JSON parser, read a block at a time, with the line and column of the
// last byte handed out. The parser keeps the token it is reading in memory (and, for its
// messages, everything since the last string or number began), so the input ends early, as if
// the file ended there, once that stretch grows longer than maxTokenBytes: no GeoJSON needs
// such a string, and a hostile file cannot fill memory with one.
class JsonBlockInput {
 public:
  static constexpr std::size_t blockSize = 64 * 1024;
  static constexpr std::uint64_t maxTokenBytes = 1 << 20;

  // The parser's view: an input iterator whose end is reached when the input ends.
  class Iterator {
   public:
    using iterator_category = std::input_iterator_tag;
    using value_type = char;
    using difference_type = std::ptrdiff_t;
    using pointer = const char*;
    using reference = char;

    Iterator() = default;
    explicit Iterator(JsonBlockInput* input) : input_(input) {}
    char operator*() const { return input_->Current(); }
    Iterator& operator++() {
      input_->Advance();
      return *this;
    }
    Iterator operator++(int) {
      Iterator before = *this;
      input_->Advance();
      return before;
    }
    friend bool operator==(const Iterator& a, const Iterator& b) { return a.Ended() == b.Ended(); }

   private:
    bool Ended() const { return input_ == nullptr || input_->Ended(); }
    JsonBlockInput* input_ = nullptr;
  };

  explicit JsonBlockInput(InputFile& file)
      : file_(file), block_(std::make_unique<char[]>(blockSize)) {}

  Iterator begin() { return Iterator(this); }
  Iterator end() { return Iterator(); }

  std::uint64_t Line() const { return line_; }
  std::uint64_t Column() const { return column_; }
  bool TokenTooLong() const { return tokenBytes_ > maxTokenBytes; }

 private:
  enum class Lexeme : std::uint8_t { Between, InString, AfterBackslash };

  char Current() const { return *next_; }
  bool Ended() {
    if (next_ != end_) return TokenTooLong();
    return !Refill() || TokenTooLong();
  }
  void Advance();
  bool Refill();

  InputFile& file_;
  std::unique_ptr<char[]> block_;
  const char* next_ = nullptr;
  const char* end_ = nullptr;
  bool fileEnded_ = false;
  std::uint64_t line_ = 1;
  std::uint64_t column_ = 0;
  Lexeme lexeme_ = Lexeme::Between;
  bool afterNumberByte_ = false;
  std::uint64_t tokenBytes_ = 0;
};

}  // namespace pinmover
