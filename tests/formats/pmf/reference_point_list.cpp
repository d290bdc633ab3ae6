#include "tests/formats/pmf/reference_point_list.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <span>

namespace pinmover::testing {

namespace {

constexpr std::size_t maxRecords = 200;

void Store(std::span<char> slot, const std::string& text) {
  text.copy(slot.data(), slot.size() - 1);
}

std::string WithoutTabs(const std::string& field) {
  std::string result;
  for (char c : field) {
    if (c != '\t') result += c;
  }
  return result;
}

// The bytes after the leading blanks, up to the next blank.
std::string FirstWord(const std::string& field, const char* blanks) {
  std::size_t begin = field.find_first_not_of(blanks);
  if (begin == std::string::npos) return {};
  return field.substr(begin, field.find_first_of(blanks, begin) - begin);
}

std::string DmsText(const std::string& field) {
  std::size_t i = 0;
  while (i < field.size() && std::strchr(" \t\n\v\f\r", field[i]) && field[i] != '\0') ++i;
  bool negative = false;
  if (i < field.size() && (field[i] == '+' || field[i] == '-')) negative = field[i++] == '-';
  std::uint64_t value = 0;
  for (; i < field.size() && field[i] >= '0' && field[i] <= '9'; ++i) {
    value = (value * 10 + static_cast<std::uint64_t>(field[i] - '0')) % 0x100000000u;
  }
  if (negative) value = (0x100000000u - value) % 0x100000000u;
  char text[64];
  std::snprintf(text, sizeof text, "%03u/%02u/%02u.%01u", static_cast<unsigned>(value / 100000),
                static_cast<unsigned>(value % 100000 / 1000),
                static_cast<unsigned>(value % 1000 / 10), static_cast<unsigned>(value % 10));
  return text;
}

std::string InsertedAt(std::string text, std::size_t position, char c) {
  text.insert(position < text.size() ? position : text.size(), 1, c);
  return text;
}

InputPointRecord RecordOf(std::string_view line, int sequence) {
  std::array<std::string, 25> fields;
  std::size_t count = 0;
  std::size_t position = 0;
  while (count < 24) {
    position = line.find_first_not_of('#', position);
    if (position == std::string::npos) break;
    std::size_t end = line.find('#', position);
    if (end == std::string::npos) end = line.size();
    fields[++count] = line.substr(position, end - position);
    position = end;
  }

  InputPointRecord r;
  r.sequence = static_cast<std::int16_t>(sequence);
  Store(r.text1, WithoutTabs(fields[1]));
  Store(r.firstCoordinate, DmsText(fields[4]));
  Store(r.secondCoordinate, DmsText(fields[5]));
  Store(r.text10, WithoutTabs(fields[10]));
  Store(r.text11, WithoutTabs(fields[11]));
  Store(r.text12, WithoutTabs(fields[12]));
  Store(r.name, FirstWord(fields[13], "\t"));
  r.flag14 = WithoutTabs(fields[14]) == "00" ? 0 : 1;
  Store(r.text15, WithoutTabs(fields[15]));
  Store(r.text16, WithoutTabs(fields[16]));
  Store(r.text17, WithoutTabs(fields[17]));
  Store(r.text18, WithoutTabs(fields[18]));
  Store(r.text19, WithoutTabs(fields[19]));
  Store(r.text20, WithoutTabs(fields[20]));
  Store(r.word21, FirstWord(fields[21], " \t"));
  std::string stamp = WithoutTabs(fields[22]);
  std::string date = stamp.substr(0, 8);
  Store(r.date, InsertedAt(InsertedAt(date, 6, '/'), 4, '/'));
  std::string time = stamp.size() > 6 ? stamp.substr(stamp.size() - 6) : stamp;
  Store(r.time, InsertedAt(InsertedAt(time, 4, ':'), 2, ':'));
  Store(r.text23, WithoutTabs(fields[23]));
  Store(r.text24, WithoutTabs(fields[24]));
  return r;
}

}  // namespace

void ReferenceParse(std::string_view text, std::vector<InputPointRecord>& records) {
  text = text.substr(0, text.find('\0'));
  records.clear();
  std::size_t position = 0;
  while (records.size() < maxRecords) {
    position = text.find_first_not_of('\n', position);
    if (position == std::string::npos) break;
    std::size_t end = text.find('\n', position);
    if (end == std::string::npos) end = text.size();
    std::string_view line = text.substr(position, end - position);
    position = end;
    if (static_cast<unsigned char>(line[0]) == 0xFF) break;
    if (line[0] != '#') continue;
    if (line.back() == '\r') line.remove_suffix(1);
    records.push_back(RecordOf(line, static_cast<int>(records.size())));
  }
}

std::string Escaped(const std::string& text) {
  std::string result;
  for (char c : text) {
    auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x20 && byte < 0x7F && c != '\\') {
      result += c;
    } else {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\x%02X", byte);
      result += escape;
    }
  }
  return result;
}

}  // namespace pinmover::testing
