#include "formats/csv/csv_record_splitter.h"

#include <algorithm>
#include <cstring>

namespace pinmover {

CsvRecordSplitter::CsvRecordSplitter(CsvFieldHandler& handler)
    : handler_(handler), keep_(handler.Wants(0)) {}

void CsvRecordSplitter::Feed(std::string_view bytes) {
  const char* const start = bytes.data();
  const char* const end = start + bytes.size();
  auto offsetOf = [&](const char* at) { return offset_ + static_cast<std::uint64_t>(at - start); };
  const char* at = start;
  // A state that hands a byte on to the next one leaves at where it is.
  while (at != end) {
    switch (state_) {
      case State::AfterCarriageReturn:
        state_ = State::FieldStart;
        if (*at == '\n') lineStart_ = offsetOf(at++) + 1;
        break;
      case State::FieldStart:
        state_ = State::Unquoted;
        if (*at == '"') {
          state_ = State::Quoted;
          openQuote_ = {line_, offsetOf(at) - lineStart_ + 1};
          previousQuotedByte_ = *at++;
        }
        break;
      case State::Unquoted: {
        const char* stop =
            std::find_if(at, end, [](char byte) { return byte == ',' || byte == '\n' || byte == '\r'; });
        Keep(at, stop);
        at = stop;
        if (at != end) {
          EndUnquoted(*at, offsetOf(at));
          ++at;
        }
        break;
      }
      case State::Quoted: {
        const char* stop =
            std::find_if(at, end, [](char byte) { return byte == '"' || byte == '\n' || byte == '\r'; });
        Keep(at, stop);
        if (stop != at) previousQuotedByte_ = stop[-1];
        at = stop;
        if (at == end) break;
        if (*at == '"') {
          state_ = State::QuotedAfterQuote;
        } else {
          if (*at == '\r' || previousQuotedByte_ != '\r') {
            NewLine(offsetOf(at) + 1);
          } else {
            lineStart_ = offsetOf(at) + 1;
          }
          previousQuotedByte_ = *at;
          Keep(at, at + 1);
        }
        ++at;
        break;
      }
      case State::QuotedAfterQuote:
        // Text after a closing quote joins the field, as spreadsheets read it.
        state_ = State::Unquoted;
        if (*at == '"') {
          state_ = State::Quoted;
          previousQuotedByte_ = *at;
          Keep(at, at + 1);
          ++at;
        }
        break;
    }
  }
  offset_ += bytes.size();
}

std::optional<TextPosition> CsvRecordSplitter::Finish() {
  switch (state_) {
    case State::Quoted: return openQuote_;
    case State::AfterCarriageReturn: break;
    case State::FieldStart:
      if (column_ > 0) EndRecord();  // the last line ends with a comma
      break;
    case State::Unquoted:
    case State::QuotedAfterQuote: EndRecord(); break;
  }
  state_ = State::FieldStart;
  return std::nullopt;
}

void CsvRecordSplitter::EndUnquoted(char delimiter, std::uint64_t offset) {
  if (delimiter == ',') {
    EndField();
    state_ = State::FieldStart;
  } else {
    EndRecord();
    NewLine(offset + 1);
    recordLine_ = line_;
    state_ = delimiter == '\r' ? State::AfterCarriageReturn : State::FieldStart;
  }
}

void CsvRecordSplitter::Keep(const char* from, const char* to) {
  if (blank_) blank_ = std::all_of(from, to, [](char byte) { return byte == ' ' || byte == '\t'; });
  if (keep_) {
    std::size_t room = maxFieldBytes - fieldBytes_;
    std::size_t count = std::min(static_cast<std::size_t>(to - from), room);
    std::memcpy(field_.data() + fieldBytes_, from, count);
    fieldBytes_ += count;
  }
}

void CsvRecordSplitter::EndField() {
  if (keep_) handler_.Field(column_, {field_.data(), fieldBytes_});
  fieldBytes_ = 0;
  ++column_;
  keep_ = handler_.Wants(column_);
}

void CsvRecordSplitter::EndRecord() {
  EndField();
  handler_.EndRecord(recordLine_, blank_);
  column_ = 0;
  blank_ = true;
  keep_ = handler_.Wants(0);
}

void CsvRecordSplitter::NewLine(std::uint64_t nextLineStart) {
  ++line_;
  lineStart_ = nextLineStart;
}

}  // namespace pinmover
