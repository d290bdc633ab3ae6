#include "formats/csv/csv_point_rows.h"

#include <optional>

#include "formats/csv/cp932_text.h"
#include "formats/csv/csv_columns.h"
#include "text/blanks.h"
#include "text/decimal_degrees.h"
#include "text/utf8.h"

namespace pinmover {

namespace {

// Enough for any real header; the message stays readable for a hostile one.
constexpr std::size_t maxListedColumns = 32;
constexpr std::size_t maxListedNameBytes = 64;

}  // namespace

bool CsvPointRows::Wants(std::uint64_t column) {
  if (!headerRead_) return true;
  if (!HasCoordinateColumns()) return false;
  return column == nameColumn_ || column == latitudeColumn_ || column == longitudeColumn_;
}

void CsvPointRows::Field(std::uint64_t column, std::string_view bytes) {
  if (!headerRead_) {
    HeaderField(column, bytes);
  } else if (column == nameColumn_) {
    name_.assign(bytes);
  } else if (column == latitudeColumn_) {
    latitude_.assign(bytes);
  } else if (column == longitudeColumn_) {
    longitude_.assign(bytes);
  }
}

void CsvPointRows::HeaderField(std::uint64_t column, std::string_view bytes) {
  std::string header = Utf8(bytes);
  std::uint64_t* found = nullptr;
  switch (ColumnNamed(header)) {
    case CsvColumn::Name: found = &nameColumn_; break;
    case CsvColumn::Latitude: found = &latitudeColumn_; break;
    case CsvColumn::Longitude: found = &longitudeColumn_; break;
    case CsvColumn::Other: break;
  }
  // The leftmost of two columns of the same meaning counts.
  if (found && *found == none) *found = column;
  if (columnsFound_.size() < maxListedColumns) {
    columnsFound_.emplace_back(Utf8Prefix(TrimBlanks(header), maxListedNameBytes));
  }
  columnCount_ = column + 1;
}

void CsvPointRows::EndRecord(std::uint64_t line, bool blank) {
  if (!headerRead_) {
    if (blank) {
      columnsFound_.clear();
      columnCount_ = 0;
    } else {
      headerRead_ = true;
    }
    return;
  }
  // Without coordinate columns the file is refused; its rows do not count.
  if (!blank && HasCoordinateColumns()) {
    std::string name = nameColumn_ == none ? std::string() : Utf8(name_);
    std::optional<double> latitude = ParseDecimalDegrees(latitude_);
    std::optional<double> longitude = ParseDecimalDegrees(longitude_);
    if (latitude && longitude) {
      sink_.Add(MapPoint{std::move(name), *latitude, *longitude, line});
    } else {
      sink_.Skip(SkippedItem{SkipReason::UnreadableCoordinates, line, std::move(name)});
    }
  }
  name_.clear();
  latitude_.clear();
  longitude_.clear();
}

std::string CsvPointRows::ColumnsFound() const {
  std::string list;
  for (const std::string& column : columnsFound_) {
    if (!list.empty()) list += ", ";
    list += column;
  }
  if (columnCount_ > columnsFound_.size()) list += ", ...";
  return list;
}

std::string CsvPointRows::Utf8(std::string_view bytes) const {
  return encoding_ == CsvEncoding::Utf8 ? ValidUtf8(bytes) : Cp932ToUtf8(bytes);
}

}  // namespace pinmover
