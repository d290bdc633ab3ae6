#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "formats/csv/csv_record_splitter.h"
#include "formats/map_point.h"

namespace pinmover {

enum class CsvEncoding { Utf8, Cp932 };

// Makes points of a CSV file's records: the first record that is not blank is the header and
// says which columns hold the name and the coordinates; each record after it becomes a point,
// or a skipped item when its coordinates cannot be read. Blank records are passed over.
class CsvPointRows : public CsvFieldHandler {
 public:
  CsvPointRows(PointSink& sink, CsvEncoding encoding) : sink_(sink), encoding_(encoding) {}

  bool Wants(std::uint64_t column) override;
  void Field(std::uint64_t column, std::string_view bytes) override;
  void EndRecord(std::uint64_t line, bool blank) override;

  bool HeaderRead() const { return headerRead_; }
  bool HasCoordinateColumns() const { return latitudeColumn_ != none && longitudeColumn_ != none; }
  // The header's column names, UTF-8, comma separated, for the message about missing columns.
  std::string ColumnsFound() const;

 private:
  static constexpr std::uint64_t none = UINT64_MAX;

  void HeaderField(std::uint64_t column, std::string_view bytes);
  std::string Utf8(std::string_view bytes) const;

  PointSink& sink_;
  CsvEncoding encoding_;
  bool headerRead_ = false;
  std::uint64_t nameColumn_ = none;
  std::uint64_t latitudeColumn_ = none;
  std::uint64_t longitudeColumn_ = none;
  std::vector<std::string> columnsFound_;  // the first few, each cut short
  std::uint64_t columnCount_ = 0;
  std::string name_;
  std::string latitude_;
  std::string longitude_;
};

}  // namespace pinmover
