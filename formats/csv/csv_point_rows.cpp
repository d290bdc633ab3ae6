#include "formats/csv/csv_point_rows.h"

#include "formats/csv/cp932_text.h"
#include "formats/csv/spreadsheet_cell.h"
#include "formats/maps_url.h"
#include "text/blanks.h"
#include "text/bounded_text.h"
#include "text/decimal_degrees.h"
#include "text/utf8.h"

namespace pinmover {

namespace {

// Enough for any real header; the message stays readable for a hostile one.
constexpr std::size_t maxListedColumns = 32;
constexpr std::size_t maxListedNameBytes = 64;

// The titles a saved list gives a dropped pin, which say nothing of the place: the user's own
// words in the note say more.
bool IsStockTitle(std::string_view title) {
  title = TrimBlanks(title);
  return title.empty() || title == Utf8(u8"指定した地点") || title == "Dropped pin";
}

}  // namespace

bool CsvPointRows::Wants(std::uint64_t column) {
  if (!headerRead_) return true;
  for (std::uint64_t wanted : header_.columns) {
    if (wanted == column) return true;
  }
  return false;
}

void CsvPointRows::Field(std::uint64_t column, std::string_view bytes) {
  if (!headerRead_) {
    HeaderField(column, bytes);
    return;
  }
  for (std::size_t kind = 0; kind < csvColumnKinds; ++kind) {
    if (header_.columns[kind] == column) values_[kind].assign(bytes);
  }
}

void CsvPointRows::HeaderField(std::uint64_t column, std::string_view bytes) {
  std::string header = Utf8(bytes);
  const CsvColumn named = ColumnNamed(header);
  std::uint64_t& found = candidate_.columns[Index(named)];
  // The leftmost of two columns of the same meaning counts.
  if (named != CsvColumn::Other) {
    candidate_.namesAColumn = true;
    if (found == none) found = column;
  }
  if (candidate_.found.size() < maxListedColumns) {
    candidate_.found.emplace_back(Utf8Prefix(TrimBlanks(header), maxListedNameBytes));
  }
  candidate_.count = column + 1;
}

void CsvPointRows::EndRecord(std::uint64_t line, bool blank) {
  if (!headerRead_) {
    Header candidate = std::move(candidate_);
    candidate_ = Header();
    if (blank) return;
    if (!firstRecord_) firstRecord_ = candidate;
    if (candidate.namesAColumn) {
      TakeHeader(std::move(candidate));
    } else if (line >= headerLines) {
      TakeHeader(std::move(*firstRecord_));
    }
    return;
  }
  // Without columns that give a position the file is refused; its rows do not count.
  if (!blank && GivesPositions()) DeliverRow(line);
  for (std::string& value : values_) value.clear();
}

void CsvPointRows::Finish() {
  if (!headerRead_ && firstRecord_) TakeHeader(std::move(*firstRecord_));
}

void CsvPointRows::TakeHeader(Header header) {
  header_ = std::move(header);
  header_.columns[Index(CsvColumn::Other)] = none;
  headerRead_ = true;
}

void CsvPointRows::DeliverRow(std::uint64_t line) {
  ++rows_;
  std::string name = TextValue(CsvColumn::Name);
  if (Has(CsvColumn::Note) && IsStockTitle(name)) {
    std::string note = TextValue(CsvColumn::Note);
    if (!TrimBlanks(note).empty()) name = std::move(note);
  }
  MapPoint point{.name = std::move(name),
                 .line = line,
                 .link = Value(CsvColumn::Link),
                 .icon = Value(CsvColumn::Icon),
                 .voice = Value(CsvColumn::Voice)};
  if (HasCoordinateColumns()) {
    std::optional<double> latitude = ParseDecimalDegrees(values_[Index(CsvColumn::Latitude)]);
    std::optional<double> longitude = ParseDecimalDegrees(values_[Index(CsvColumn::Longitude)]);
    if (!latitude || !longitude) {
      sink_.Skip(SkippedItem{SkipReason::UnreadableCoordinates, line, std::move(point.name)});
      return;
    }
    point.latitude = *latitude;
    point.longitude = *longitude;
  } else if (std::optional<UrlPosition> linked = PositionInMapsUrl(point.link)) {
    point.latitude = linked->latitude;
    point.longitude = linked->longitude;
  } else {
    // A place of a saved list: the list keeps its link, never its position.
    std::string words = MapsUrlQuery(point.link);
    words.resize(Utf8Prefix(words, maxKeptText).size());
    sink_.Skip(SkippedItem{SkipReason::NoPosition, line, std::move(point.name), std::move(words)});
    return;
  }
  ++positions_;
  sink_.Add(point);
}

std::string CsvPointRows::Value(CsvColumn column) const {
  return Has(column) ? Utf8(values_[Index(column)]) : std::string();
}

std::string CsvPointRows::TextValue(CsvColumn column) const {
  return std::string(WithoutFormulaGuard(Value(column)));
}

std::string CsvPointRows::ColumnsFound() const {
  std::string list;
  for (const std::string& column : header_.found) {
    if (!list.empty()) list += ", ";
    list += column;
  }
  if (header_.count > header_.found.size()) list += ", ...";
  return list;
}

std::string CsvPointRows::Utf8(std::string_view bytes) const {
  return encoding_ == CsvEncoding::Utf8 ? ValidUtf8(bytes) : Cp932ToUtf8(bytes);
}

}  // namespace pinmover
