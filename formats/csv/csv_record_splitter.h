#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "text/bounded_text.h"

namespace pinmover {

// A place in a text, counted from 1; columns in bytes.
struct TextPosition {
  std::uint64_t line = 1;
  std::uint64_t column = 1;
};

// What the splitter finds, field by field and record by record.
class CsvFieldHandler {
 public:
  virtual ~CsvFieldHandler() = default;
  // Whether the field in this column (counted from 0) of the current record is to be kept.
  virtual bool Wants(std::uint64_t column) = 0;
  // A kept field, quotes removed, cut after CsvRecordSplitter::maxFieldBytes.
  virtual void Field(std::uint64_t column, std::string_view bytes) = 0;
  // line: where the record starts. blank: no field held anything but spaces and tabs.
  virtual void EndRecord(std::uint64_t line, bool blank) = 0;
};

// Splits CSV text into fields, a block at a time: fields may be quoted to hold commas, line
// breaks and doubled quotes; records end with CR LF, LF or CR. It works on bytes, which serves
// UTF-8 and code page 932 alike: no trailing byte of either is a comma, a quote or a line end.
// Only the fields asked for are kept, and only their first maxFieldBytes, so that no line,
// however long, fills memory.
class CsvRecordSplitter {
 public:
  static constexpr std::size_t maxFieldBytes = maxKeptText;

  explicit CsvRecordSplitter(CsvFieldHandler& handler);
  void Feed(std::string_view bytes);
  // Ends the last record. Returns where its quote opened if a quoted field was never closed.
  std::optional<TextPosition> Finish();

 private:
  enum class State : std::uint8_t {
    FieldStart,
    Unquoted,
    Quoted,
    QuotedAfterQuote,  // a quote inside a quoted field: its end, or the first of a doubled pair
    AfterCarriageReturn,
  };

  // Ends an unquoted field (or what follows a closing quote) at a comma or a line end.
  void EndUnquoted(char delimiter, std::uint64_t offset);
  void Keep(const char* from, const char* to);
  void EndField();
  void EndRecord();
  void NewLine(std::uint64_t nextLineStart);

  CsvFieldHandler& handler_;
  State state_ = State::FieldStart;
  std::array<char, maxFieldBytes> field_;
  std::size_t fieldBytes_ = 0;
  bool keep_;
  bool blank_ = true;
  std::uint64_t column_ = 0;
  std::uint64_t line_ = 1;
  std::uint64_t recordLine_ = 1;
  std::uint64_t lineStart_ = 0;  // offset of the current line's first byte
  std::uint64_t offset_ = 0;     // offset of the block being fed
  char previousQuotedByte_ = '"';
  TextPosition openQuote_;
};

}  // namespace pinmover
