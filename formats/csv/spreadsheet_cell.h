#pragma once

#include <string>
#include <string_view>

namespace pinmover {

// A spreadsheet takes a cell that begins with one of =, +, -, @, a tab or a carriage return as
// a formula; a leading apostrophe makes it show the text as it stands and is not displayed.
// Point files are shared, so their names are not always the user's own.
std::string SpreadsheetSafeText(std::string text);

// Takes away the apostrophe SpreadsheetSafeText puts, so that an exported list reads back
// with the names it was written from: one apostrophe, where only apostrophes stand before a
// formula's first character.
std::string_view WithoutFormulaGuard(std::string_view text);

}  // namespace pinmover
