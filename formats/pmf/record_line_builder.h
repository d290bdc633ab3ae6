#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "formats/pmf/input_point_record.h"

namespace pinmover {

// Fills one InputPointRecord from a record line handed over in pieces of any size, so that a
// line or field of any length needs only the few bytes its slots keep.
class RecordLineBuilder {
 public:
  // Starts the record as a line without fields would leave it.
  void Begin(InputPointRecord& record, int sequence);
  // The line's next bytes, its '#' separators included but not the line feed.
  void Take(std::string_view bytes);
  // The line has ended.
  void End();

 private:
  enum class Kind { ignored, text, name, firstWord, coordinate, flag, dateTime };
  static constexpr int lastField = 24;

  void StartField();
  void TakeField(std::string_view bytes);
  void EndField();
  void TakeText(std::string_view bytes);
  // Leading blanks are skipped and the next one ends the word; tabs are blanks, spaces may be.
  void TakeWord(std::string_view bytes, bool spaceEnds);
  void TakeCoordinate(std::string_view bytes);
  void TakeHeadAndTail(std::string_view bytes);

  InputPointRecord* record_ = nullptr;
  int fieldNumber_ = 0;
  bool inField_ = false;
  Kind kind_ = Kind::ignored;
  std::span<char> slot_;
  std::size_t length_ = 0;
  // A name or word has ended, or a coordinate has read its last digit: the rest is not needed.
  bool complete_ = false;
  bool started_ = false;

  bool negative_ = false;
  std::uint32_t value_ = 0;

  // Field 14 or 22 without tabs: the first 8 and the last 6 bytes (fewer when it is shorter).
  char head_[8]{};
  std::size_t headLength_ = 0;
  char tail_[6]{};
  std::size_t tailLength_ = 0;
};

}  // namespace pinmover
