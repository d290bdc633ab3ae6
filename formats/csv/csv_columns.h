#pragma once

#include <cstddef>
#include <string_view>

namespace pinmover {

// The columns of a CSV file that a point is made from.
enum class CsvColumn { Other, Name, Latitude, Longitude, Link, Note, Icon, Voice };
inline constexpr std::size_t csvColumnKinds = 8;

// The column a header field names, by any of its usual names in English or Japanese; letter
// case and blanks around the name do not matter.
CsvColumn ColumnNamed(std::string_view utf8Header);

}  // namespace pinmover
