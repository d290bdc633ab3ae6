#include "engine/date_time_text.h"

#include <cstdio>

namespace pinmover {

std::string DateTimeText(const LocalDateTime& t, char separator) {
  char text[64];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d%c%02d:%02d:%02d", t.year, t.month, t.day,
                separator, t.hour, t.minute, t.second);
  return text;
}

}  // namespace pinmover
