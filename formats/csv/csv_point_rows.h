#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "formats/csv/csv_columns.h"
#include "formats/csv/csv_record_splitter.h"
#include "formats/map_point.h"

namespace pinmover {

enum class CsvEncoding { Utf8, Cp932 };

// Makes points of a CSV file's records. The header is the first record, within the first five
// lines, that names a column we read (a saved list may have a description before it); records
// before it and blank ones are passed over. It says which columns hold the name and the
// coordinates, or a map link that gives them. Each record after it becomes a point, or a skipped
// item when it gives no position.
class CsvPointRows : public CsvFieldHandler {
 public:
  CsvPointRows(PointSink& sink, CsvEncoding encoding) : sink_(sink), encoding_(encoding) {}

  bool Wants(std::uint64_t column) override;
  void Field(std::uint64_t column, std::string_view bytes) override;
  void EndRecord(std::uint64_t line, bool blank) override;
  // The file has ended: without a header that names a column, its first record was the header.
  void Finish();

  bool HeaderRead() const { return headerRead_; }
  // Whether the header has latitude and longitude columns, or a link column that may give them.
  bool GivesPositions() const { return HasCoordinateColumns() || Has(CsvColumn::Link); }
  // A file of links only, none of which gave a position: a saved list of places.
  bool NoLinkGavePositions() const {
    return !HasCoordinateColumns() && rows_ != 0 && positions_ == 0;
  }
  // The header's column names, UTF-8, comma separated, for the message about missing columns.
  std::string ColumnsFound() const;

 private:
  static constexpr std::uint64_t none = UINT64_MAX;
  static constexpr std::uint64_t headerLines = 5;

  // The columns one record names, while it is a candidate for the header.
  struct Header {
    std::array<std::uint64_t, csvColumnKinds> columns;
    std::vector<std::string> found;  // the first few, each cut short
    std::uint64_t count = 0;
    bool namesAColumn = false;
    Header() { columns.fill(none); }
  };

  bool Has(CsvColumn column) const { return header_.columns[Index(column)] != none; }
  bool HasCoordinateColumns() const { return Has(CsvColumn::Latitude) && Has(CsvColumn::Longitude); }
  static std::size_t Index(CsvColumn column) { return static_cast<std::size_t>(column); }
  void HeaderField(std::uint64_t column, std::string_view bytes);
  void TakeHeader(Header header);
  void DeliverRow(std::uint64_t line);
  std::string Value(CsvColumn column) const;
  // A name or note as written, without the apostrophe an export puts before a formula.
  std::string TextValue(CsvColumn column) const;
  std::string Utf8(std::string_view bytes) const;

  PointSink& sink_;
  CsvEncoding encoding_;
  bool headerRead_ = false;
  Header header_;
  Header candidate_;
  std::optional<Header> firstRecord_;  // the header when none names a column
  std::array<std::string, csvColumnKinds> values_;
  std::uint64_t rows_ = 0;
  std::uint64_t positions_ = 0;
};

}  // namespace pinmover
