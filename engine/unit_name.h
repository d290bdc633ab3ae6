#pragma once

#include <string>
#include <string_view>

#include "unitfile/slot_name.h"

namespace pinmover {

struct UnitName {
  SlotName name;                  // at most 19 characters as the unit counts them, full-width kana
  bool cut = false;               // the name was longer than 19 characters
  bool controlsReplaced = false;  // tabs, line breaks, other control characters became spaces
  // UTF-8: the characters that became 〓, in order of first appearance, each once.
  std::string missing;
  // UTF-8: the Latin letters that lost their accents, likewise.
  std::string unaccented;
};

// A map app's UTF-8 name as the unit can hold it: kana marks merged, half-width katakana
// widened, control characters as spaces, blanks trimmed at both ends, Latin letters with accents
// or other marks as their base letters (é as e, ß as ss), what JIS X 0208 lacks still (and
// invalid UTF-8) as 〓, cut at 19 characters. The same name gives the same bytes on
// every platform.
UnitName MakeUnitName(std::string_view utf8Name);

// A slot's name as UTF-8, for messages: a unit that is no character shows as U+FFFD.
std::string SlotNameText(const SlotName& name);

}  // namespace pinmover
