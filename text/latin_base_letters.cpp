#include "text/latin_base_letters.h"

#include <algorithm>
#include <array>

namespace pinmover {

namespace {

struct LatinBaseLettersEntry {
  char32_t letter;
  std::string_view baseLetters;
};

#include "text/latin_base_letters_table.inc"

static_assert(std::is_sorted(latinBaseLettersTable.begin(), latinBaseLettersTable.end(),
                             [](const LatinBaseLettersEntry& a, const LatinBaseLettersEntry& b) {
                               return a.letter < b.letter;
                             }),
              "the table is searched by halves");

}  // namespace

std::optional<std::string_view> LatinBaseLetters(char32_t c) {
  const auto found = std::lower_bound(
      latinBaseLettersTable.begin(), latinBaseLettersTable.end(), c,
      [](const LatinBaseLettersEntry& entry, char32_t letter) { return entry.letter < letter; });
  if (found == latinBaseLettersTable.end() || found->letter != c) return std::nullopt;
  return found->baseLetters;
}

}  // namespace pinmover
