#include "formats/csv/csv_columns.h"

#include <algorithm>
#include <string>

#include "text/blanks.h"

namespace pinmover {

namespace {

struct ColumnName {
  std::u8string_view name;  // lower case
  CsvColumn column;
};

constexpr ColumnName columnNames[] = {
    {u8"name", CsvColumn::Name},           {u8"名前", CsvColumn::Name},
    {u8"名称", CsvColumn::Name},           {u8"title", CsvColumn::Name},
    {u8"タイトル", CsvColumn::Name},       {u8"lat", CsvColumn::Latitude},
    {u8"latitude", CsvColumn::Latitude},   {u8"緯度", CsvColumn::Latitude},
    {u8"lon", CsvColumn::Longitude},       {u8"lng", CsvColumn::Longitude},
    {u8"long", CsvColumn::Longitude},      {u8"longitude", CsvColumn::Longitude},
    {u8"経度", CsvColumn::Longitude},      {u8"url", CsvColumn::Link},
    {u8"link", CsvColumn::Link},           {u8"リンク", CsvColumn::Link},
    {u8"note", CsvColumn::Note},           {u8"メモ", CsvColumn::Note},
    {u8"icon", CsvColumn::Icon},           {u8"アイコン", CsvColumn::Icon},
    {u8"voice", CsvColumn::Voice},         {u8"音声", CsvColumn::Voice},
};

std::string_view AsBytes(std::u8string_view text) {
  return {reinterpret_cast<const char*>(text.data()), text.size()};
}

}  // namespace

CsvColumn ColumnNamed(std::string_view utf8Header) {
  std::string header(TrimBlanks(utf8Header));
  std::transform(header.begin(), header.end(), header.begin(),
                 [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
  for (const ColumnName& known : columnNames) {
    if (header == AsBytes(known.name)) return known.column;
  }
  return CsvColumn::Other;
}

}  // namespace pinmover
