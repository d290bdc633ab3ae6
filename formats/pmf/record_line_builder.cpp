#include "formats/pmf/record_line_builder.h"

#include <algorithm>
#include <cstring>

namespace pinmover {

namespace {

constexpr int dateTimeField = 22;

bool IsBlank(char c) {
  // The white space a decimal number may start with, as the C library's "C" locale knows it.
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// Copies text into slot, cut so that the slot's last byte stays NUL.
void Store(std::span<char> slot, std::string_view text) {
  std::size_t length = std::min(text.size(), slot.size() - 1);
  std::memcpy(slot.data(), text.data(), length);
  std::memset(slot.data() + length, 0, slot.size() - length);
}

// Stores the (at most 8) bytes with mark inserted at position later, then at position earlier;
// a position past the end means the end.
void StoreMarked(std::span<char> slot, std::string_view bytes, std::size_t later,
                 std::size_t earlier, char mark) {
  char text[16];
  std::size_t length = bytes.copy(text, 8);
  for (std::size_t position : {later, earlier}) {
    position = std::min(position, length);
    std::memmove(text + position + 1, text + position, length - position);
    text[position] = mark;
    ++length;
  }
  Store(slot, {text, length});
}

// Writes value in decimal with at least width digits, zeros in front; returns the end.
char* PutDecimal(char* out, std::uint32_t value, int width) {
  char digits[10];
  int count = 0;
  do {
    digits[count++] = static_cast<char>('0' + value % 10u);
    value /= 10u;
  } while (value != 0);
  for (; width > count; --width) *out++ = '0';
  while (count > 0) *out++ = digits[--count];
  return out;
}

// Degrees, minutes, seconds and tenths from the digits DDDMMSSt, without any range check:
// "%03d/%02d/%02d.%01d" of them, written by hand because it runs for every record.
void StoreDmsText(std::span<char> slot, std::uint32_t value) {
  char text[24];
  std::uint32_t rest = value % 100000u;
  char* end = PutDecimal(text, value / 100000u, 3);
  *end++ = '/';
  end = PutDecimal(end, rest / 1000u, 2);
  *end++ = '/';
  end = PutDecimal(end, rest % 1000u / 10u, 2);
  *end++ = '.';
  end = PutDecimal(end, rest % 10u, 1);
  Store(slot, {text, static_cast<std::size_t>(end - text)});
}

}  // namespace

inline void RecordLineBuilder::StartField() {
  ++fieldNumber_;
  InputPointRecord& r = *record_;
  slot_ = {};
  switch (fieldNumber_) {
    case 1: kind_ = Kind::text; slot_ = r.text1; break;
    case 4: kind_ = Kind::coordinate; slot_ = r.firstCoordinate; break;
    case 5: kind_ = Kind::coordinate; slot_ = r.secondCoordinate; break;
    case 10: kind_ = Kind::text; slot_ = r.text10; break;
    case 11: kind_ = Kind::text; slot_ = r.text11; break;
    case 12: kind_ = Kind::text; slot_ = r.text12; break;
    case 13: kind_ = Kind::name; slot_ = r.name; break;
    case 14: kind_ = Kind::flag; break;
    case 15: kind_ = Kind::text; slot_ = r.text15; break;
    case 16: kind_ = Kind::text; slot_ = r.text16; break;
    case 17: kind_ = Kind::text; slot_ = r.text17; break;
    case 18: kind_ = Kind::text; slot_ = r.text18; break;
    case 19: kind_ = Kind::text; slot_ = r.text19; break;
    case 20: kind_ = Kind::text; slot_ = r.text20; break;
    case 21: kind_ = Kind::firstWord; slot_ = r.word21; break;
    case dateTimeField: kind_ = Kind::dateTime; break;
    case 23: kind_ = Kind::text; slot_ = r.text23; break;
    case 24: kind_ = Kind::text; slot_ = r.text24; break;
    default: kind_ = Kind::ignored; break;
  }
  length_ = 0;
  complete_ = false;
  started_ = false;
  negative_ = false;
  value_ = 0;
  headLength_ = 0;
  tailLength_ = 0;
}

inline void RecordLineBuilder::TakeField(std::string_view bytes) {
  if (complete_) return;
  switch (kind_) {
    case Kind::ignored: break;
    case Kind::text: TakeText(bytes); break;
    case Kind::name: TakeWord(bytes, false); break;
    case Kind::firstWord: TakeWord(bytes, true); break;
    case Kind::coordinate: TakeCoordinate(bytes); break;
    case Kind::flag:
    case Kind::dateTime: TakeHeadAndTail(bytes); break;
  }
}

inline void RecordLineBuilder::EndField() {
  switch (kind_) {
    case Kind::coordinate:
      // The digits wrap at 32 bits and a minus sign negates them, both modulo 2^32.
      StoreDmsText(slot_, negative_ ? 0u - value_ : value_);
      break;
    case Kind::flag:
      record_->flag14 = (headLength_ == 2 && head_[0] == '0' && head_[1] == '0') ? 0 : 1;
      break;
    case Kind::dateTime:
      StoreMarked(record_->date, {head_, headLength_}, 6, 4, '/');
      StoreMarked(record_->time, {tail_, tailLength_}, 4, 2, ':');
      break;
    default: break;
  }
  kind_ = Kind::ignored;
}

void RecordLineBuilder::Begin(InputPointRecord& record, int sequence) {
  // Fields the line never reaches read as empty text, and some rules make text of nothing.
  // The record that gives is the same for every line, so it is made once.
  static const InputPointRecord blankLine = [] {
    InputPointRecord blank;
    RecordLineBuilder builder;
    builder.record_ = &blank;
    for (int number : {4, 5, 14, dateTimeField}) {
      builder.fieldNumber_ = number - 1;
      builder.StartField();
      builder.EndField();
    }
    return blank;
  }();
  record = blankLine;
  record.sequence = static_cast<std::int16_t>(sequence);
  record_ = &record;
  fieldNumber_ = 0;
  inField_ = false;
}

void RecordLineBuilder::Take(std::string_view bytes) {
  // Fields are short, so plain loops find their ends sooner than library searches would.
  const std::size_t size = bytes.size();
  std::size_t position = 0;
  while (position < size && fieldNumber_ <= lastField) {
    if (!inField_) {
      // A run of '#' is one separator, so a field is never empty.
      while (position < size && bytes[position] == '#') ++position;
      if (position == size) return;
      StartField();
      inField_ = true;
      continue;
    }
    std::size_t separator = position;
    while (separator < size && bytes[separator] != '#') ++separator;
    TakeField(bytes.substr(position, separator - position));
    if (separator == size) return;
    EndField();
    inField_ = false;
    position = separator + 1;
  }
}

void RecordLineBuilder::End() {
  if (inField_) EndField();
  inField_ = false;
}

void RecordLineBuilder::TakeText(std::string_view bytes) {
  // Locals, because writes through the slot's char pointer could alias the members.
  char* slot = slot_.data();
  const std::size_t room = slot_.size() - 1;
  std::size_t length = length_;
  for (char c : bytes) {
    if (length == room) {
      complete_ = true;
      break;
    }
    if (c != '\t') slot[length++] = c;
  }
  length_ = length;
}

void RecordLineBuilder::TakeWord(std::string_view bytes, bool spaceEnds) {
  char* slot = slot_.data();
  const std::size_t room = slot_.size() - 1;
  std::size_t length = length_;
  for (char c : bytes) {
    bool blank = c == '\t' || (spaceEnds && c == ' ');
    if (!started_) {
      if (blank) continue;
      started_ = true;
    }
    if (blank || length == room) {
      complete_ = true;
      break;
    }
    slot[length++] = c;
  }
  length_ = length;
}

void RecordLineBuilder::TakeCoordinate(std::string_view bytes) {
  for (char c : bytes) {
    if (!started_) {
      if (IsBlank(c)) continue;
      started_ = true;
      if (c == '+' || c == '-') {
        negative_ = c == '-';
        continue;
      }
    }
    if (c < '0' || c > '9') {
      complete_ = true;
      return;
    }
    value_ = value_ * 10u + static_cast<std::uint32_t>(c - '0');
  }
}

void RecordLineBuilder::TakeHeadAndTail(std::string_view bytes) {
  for (std::size_t i = 0; i < bytes.size() && headLength_ < sizeof head_; ++i) {
    if (bytes[i] != '\t') head_[headLength_++] = bytes[i];
  }
  // Only the last bytes of this piece can end up in the tail; earlier pieces fill it up.
  char latest[sizeof tail_];
  std::size_t latestLength = 0;
  for (std::size_t i = bytes.size(); i > 0 && latestLength < sizeof latest; --i) {
    if (bytes[i - 1] != '\t') latest[sizeof latest - ++latestLength] = bytes[i - 1];
  }
  std::size_t kept = std::min(tailLength_, sizeof tail_ - latestLength);
  std::memmove(tail_, tail_ + tailLength_ - kept, kept);
  std::memcpy(tail_ + kept, latest + sizeof latest - latestLength, latestLength);
  tailLength_ = kept + latestLength;
}

}  // namespace pinmover
