#include "formats/csv/spreadsheet_cell.h"

namespace pinmover {

namespace {

constexpr char formulaGuard = '\'';

bool StartsLikeFormula(std::string_view text) {
  return !text.empty() && std::string_view("=+-@\t\r").find(text.front()) != std::string_view::npos;
}

// Apostrophes before a formula's first character: what a guarded cell looks like. A name that
// itself looks so gets one more apostrophe, so that reading takes away only the one written.
bool LooksGuarded(std::string_view text) {
  const std::size_t guards = text.find_first_not_of(formulaGuard);
  return guards != 0 && guards != std::string_view::npos && StartsLikeFormula(text.substr(guards));
}

}  // namespace

std::string SpreadsheetSafeText(std::string text) {
  if (StartsLikeFormula(text) || LooksGuarded(text)) text.insert(text.begin(), formulaGuard);
  return text;
}

std::string_view WithoutFormulaGuard(std::string_view text) {
  if (LooksGuarded(text)) text.remove_prefix(1);
  return text;
}

}  // namespace pinmover
