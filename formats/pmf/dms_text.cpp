#include "formats/pmf/dms_text.h"

#include <algorithm>
#include <array>

#include "unitfile/point_file_layout.h"

namespace pinmover {

namespace {

constexpr std::size_t dmsTextLimit = 32;
constexpr std::string_view dmsDelimiters = "' ,./\t\n";

bool IsSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

}  // namespace

std::int32_t DecimalTextValue(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && IsSpace(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  std::uint32_t value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    value = value * 10u + static_cast<std::uint32_t>(text[i] - '0');
  }
  return static_cast<std::int32_t>(negative ? 0u - value : value);
}

std::int32_t DmsToUnits(std::string_view dmsText) {
  std::string_view text = dmsText.substr(0, std::min(dmsText.find('\0'), dmsTextLimit));
  std::array<std::string_view, 4> tokens{};
  std::size_t count = 0;
  for (std::size_t start = text.find_first_not_of(dmsDelimiters);
       start != std::string_view::npos && count < tokens.size();) {
    std::size_t end = text.find_first_of(dmsDelimiters, start);
    tokens[count++] = text.substr(start, end - start);
    start = text.find_first_not_of(dmsDelimiters, end);
  }
  std::int32_t degrees = DecimalTextValue(tokens[0]);
  std::int32_t minutes = DecimalTextValue(tokens[1]);
  std::int32_t seconds = DecimalTextValue(tokens[2]);
  std::int32_t thousandths = 0;
  if (count >= 3 && seconds >= 60) {
    thousandths = seconds % 1000;
    seconds /= 1000;
  } else if (count == 4) {
    // The fraction's first three digits, padded with zeros: "1" is 100 thousandths.
    std::array<char, 3> digits{'0', '0', '0'};
    std::copy_n(tokens[3].begin(), std::min(tokens[3].size(), digits.size()), digits.begin());
    thousandths = DecimalTextValue({digits.data(), digits.size()});
  }
  // |thousandths| < 1000, so this product stays far inside 32 bits; the rest may wrap.
  std::int32_t scaled = thousandths * unitsPerArcSecond;
  std::uint32_t total = static_cast<std::uint32_t>(degrees) * 3600u +
                        static_cast<std::uint32_t>(minutes) * 60u +
                        static_cast<std::uint32_t>(seconds);
  std::uint32_t units = total * static_cast<std::uint32_t>(unitsPerArcSecond) +
                        static_cast<std::uint32_t>(scaled / 1000) +
                        (scaled % 1000 >= 500 ? 1u : 0u);
  return static_cast<std::int32_t>(units);
}

}  // namespace pinmover
