#include "formats/csv_record_splitter.h"

namespace pinmover {

CsvRecordSplitter::CsvRecordSplitter(CsvFieldHandler& handler)
    : handler_(handler), keep_(handler.Wants(0)) {
  field_.reserve(maxFieldBytes);
}

void CsvRecordSplitter::Feed(std::string_view bytes) {
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const char byte = bytes[i];
    const std::uint64_t offset = offset_ + i;
    switch (state_) {
      case State::AfterCarriageReturn:
        state_ = State::FieldStart;
        if (byte == '\n') {
          lineStart_ = offset + 1;
          break;
        }
        [[fallthrough]];
      case State::FieldStart:
        if (byte == '"') {
          state_ = State::Quoted;
          openQuote_ = {line_, offset - lineStart_ + 1};
          previousQuotedByte_ = byte;
          break;
        }
        state_ = State::Unquoted;
        Unquoted(byte, offset);
        break;
      case State::Unquoted:
        Unquoted(byte, offset);
        break;
      case State::Quoted:
        if (byte == '"') {
          state_ = State::QuotedAfterQuote;
          break;
        }
        if (byte == '\r' || (byte == '\n' && previousQuotedByte_ != '\r')) {
          NewLine(offset + 1);
        } else if (byte == '\n') {
          lineStart_ = offset + 1;
        }
        previousQuotedByte_ = byte;
        Keep(byte);
        break;
      case State::QuotedAfterQuote:
        if (byte == '"') {
          state_ = State::Quoted;
          previousQuotedByte_ = byte;
          Keep(byte);
          break;
        }
        // Text after a closing quote joins the field, as spreadsheets read it.
        state_ = State::Unquoted;
        Unquoted(byte, offset);
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

void CsvRecordSplitter::Unquoted(char byte, std::uint64_t offset) {
  if (byte == ',') {
    EndField();
    state_ = State::FieldStart;
  } else if (byte == '\n' || byte == '\r') {
    EndRecord();
    NewLine(offset + 1);
    recordLine_ = line_;
    state_ = byte == '\r' ? State::AfterCarriageReturn : State::FieldStart;
  } else {
    Keep(byte);
  }
}

void CsvRecordSplitter::Keep(char byte) {
  if (byte != ' ' && byte != '\t') blank_ = false;
  if (keep_ && field_.size() < maxFieldBytes) field_.push_back(byte);
}

void CsvRecordSplitter::EndField() {
  if (keep_) handler_.Field(column_, field_);
  field_.clear();
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
