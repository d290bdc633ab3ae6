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
// such a string, and a hostile file cannot fill memory with one. Both are worked out a block at
// a time, so that handing out a byte costs no more than reading it from memory.
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
    char operator*() const { return *input_->next_; }
    Iterator& operator++() {
      ++input_->next_;
      return *this;
    }
    Iterator operator++(int) {
      Iterator before = *this;
      ++input_->next_;
      return before;
    }
    friend bool operator==(const Iterator& a, const Iterator& b) { return a.Ended() == b.Ended(); }

   private:
    bool Ended() const { return input_ == nullptr || input_->Ended(); }
    JsonBlockInput* input_ = nullptr;
  };

  explicit JsonBlockInput(InputFile& file)
      : file_(file),
        block_(std::make_unique<char[]>(blockSize)),
        next_(block_.get()),
        end_(next_),
        counted_(next_) {}

  Iterator begin() { return Iterator(this); }
  Iterator end() { return Iterator(); }

  // Where the last byte handed out stands, counted from 1; column 0 after a line break.
  std::uint64_t Line();
  std::uint64_t Column();
  // The parser met the early end: what it read last was too long.
  bool TokenTooLong() const { return cutShort_ && next_ == end_; }

 private:
  enum class Lexeme : std::uint8_t { Between, InString, AfterBackslash };

  bool Ended() { return next_ == end_ && !Refill(); }
  bool Refill();
  void FollowTokens();
  void CountLines();

  InputFile& file_;
  std::unique_ptr<char[]> block_;
  const char* next_;
  const char* end_;
  bool fileEnded_ = false;
  bool cutShort_ = false;
  std::uint64_t blockOffset_ = 0;  // where the block starts in the file
  std::size_t blockBytes_ = 0;
  const char* counted_;  // lines are counted up to here
  std::uint64_t line_ = 1;
  std::uint64_t lineStart_ = 0;  // offset of the current line's first byte
  Lexeme lexeme_ = Lexeme::Between;
  bool afterNumberByte_ = false;
  std::uint64_t tokenBytes_ = 0;
};

}  // namespace pinmover
