#pragma once

#include <span>
#include <string>

#include "formats/exported_point.h"

namespace pinmover {

// A CSV table (UTF-8, CR LF) with a header row and one row per point, in order; its columns
// are the ones the CSV reader finds, so the table converts back as it is.
std::string CsvDocument(std::span<const ExportedPoint> points);

}  // namespace pinmover
