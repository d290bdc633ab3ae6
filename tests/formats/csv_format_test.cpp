#include "formats/csv/csv_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/formats/format_test_files.h"

namespace pinmover::testing {
namespace {

using Reading = FormatReading<ReadCsv>;
using Kind = ProblemKind;
constexpr SkipReason unreadable = SkipReason::UnreadableCoordinates;

TEST(CsvFormatTest, ExcelFileInCodePage932) {
  Reading reading;
  ReadResult result = reading.Read(Fixture("excel_cp932.csv"));

  EXPECT_FALSE(result.failure);
  EXPECT_EQ(reading.sink.points,
            (std::vector<MapPoint>{
                {U8(u8"東京タワー"), 35.6585805, 139.7454316, 2},
                {U8(u8"スカイツリー, 展望デッキ"), 35.7100627, 139.8107004, 3},
                {U8(u8"\"元祖\" 寿司 本店"), 34.6937, 135.5023, 4},
                {U8(u8"ﾊﾝｶｸｶﾀｶﾅの店"), 34.0, 135.0, 7},
                {U8(u8"渋谷駅"), 35.658034, 139.701636, 9},
            }));
  EXPECT_EQ(reading.sink.skipped,
            (std::vector<SkippedItem>{{unreadable, 8, U8(u8"座標なし")}}));
}

TEST(CsvFormatTest, Utf8FileWithByteOrderMark) {
  Reading reading;
  ReadResult result = reading.Read(Fixture("utf8_bom.csv"));

  EXPECT_FALSE(result.failure);
  EXPECT_EQ(reading.sink.points, (std::vector<MapPoint>{
                                     {U8(u8"改行を\n含む名前"), 35.1, 139.1, 2},
                                     {U8(u8" カフェ "), 35.2, 139.2, 4},
                                     {U8(u8"絵文字\U0001F363"), 35.3, 139.3, 5},
                                 }));
}

TEST(CsvFormatTest, HeaderWithoutCoordinatesNamesTheColumnsFound) {
  Reading reading;
  ReadResult result = reading.Read(Fixture("no_coordinates.csv"));

  ASSERT_TRUE(result.failure);
  EXPECT_EQ(result.failure->kind, Kind::MissingColumns);
  EXPECT_EQ(result.failure->detail, "name, address, phone");
  EXPECT_TRUE(reading.sink.points.empty() && reading.sink.skipped.empty());
}

struct CsvCase {
  const char* what;
  std::string text;
  std::vector<MapPoint> points;
  std::vector<SkippedItem> skipped = {};
};

class CsvRowsTest : public ::testing::TestWithParam<CsvCase> {};

TEST_P(CsvRowsTest, DeliversPointsAndSkippedRows) {
  const CsvCase& csv = GetParam();
  Reading reading;
  ReadResult result = reading.Read(csv.text);

  EXPECT_FALSE(result.failure) << csv.what;
  EXPECT_EQ(reading.sink.points, csv.points) << csv.what;
  EXPECT_EQ(reading.sink.skipped, csv.skipped) << csv.what;
}

INSTANTIATE_TEST_SUITE_P(
    Headers, CsvRowsTest,
    ::testing::Values(
        CsvCase{"case and blanks", " Latitude , LONGITUDE,Title\n35,139,x\n", {{"x", 35, 139, 2}}},
        CsvCase{"short names", "lng,lat,long\n139,35,0\n", {{"", 35, 139, 2}}},
        CsvCase{"Japanese names", U8(u8"経度,名前,緯度\n139,駅,35\n"), {{U8(u8"駅"), 35, 139, 2}}},
        CsvCase{"ideographic spaces", U8(u8"\u3000緯度\u3000,lon,タイトル\n35,139,t\n"),
                {{"t", 35, 139, 2}}},
        CsvCase{"other names", U8(u8"名称,lat,lon\nA,1,2\n"), {{"A", 1, 2, 2}}},
        CsvCase{"leftmost of two", "name,latitude,longitude,lat\nA,1,2,3\n", {{"A", 1, 2, 2}}},
        CsvCase{"blank lines before the header", "\n\n , \t\nlat,lon\n35,139\n",
                {{"", 35, 139, 5}}}));

INSTANTIATE_TEST_SUITE_P(
    Records, CsvRowsTest,
    ::testing::Values(
        CsvCase{"line ends of every kind", "name,lat,lon\r\na,1,1\nb,2,2\rc,3,3",
                {{"a", 1, 1, 2}, {"b", 2, 2, 3}, {"c", 3, 3, 4}}},
        CsvCase{"quoted line breaks count as lines",
                "name,lat,lon\r\n\"x\r\ny\",1,1\r\n\"p\nq\rr\",2,2\n\"\"\"\",3,3\n",
                {{"x\r\ny", 1, 1, 2}, {"p\nq\rr", 2, 2, 4}, {"\"", 3, 3, 7}}},
        CsvCase{"empty and blank rows pass silently", "name,lat,lon\n\n,,\n \t,\"\",\n\na,1,1\n",
                {{"a", 1, 1, 6}}},
        CsvCase{"ends with a comma", "lat,lon,name\n1,1,", {{"", 1, 1, 2}}},
        CsvCase{"apostrophe an export puts before a formula",
                "name,lat,lon\n'=A,1,1\n'-2,2,2\n''@x,3,3\n'a,4,4\n',5,5\n",
                {{"=A", 1, 1, 2}, {"-2", 2, 2, 3}, {"'@x", 3, 3, 4}, {"'a", 4, 4, 5}, {"'", 5, 5, 6}}},
        CsvCase{"text after a closing quote", "name,lat,lon\n\"a\"b,1,1\n", {{"ab", 1, 1, 2}}},
        CsvCase{"short row", "name,lat,lon\na,1\n", {}, {{unreadable, 2, "a"}}},
        CsvCase{"numbers",
                "name,lat,lon\n"
                "a, +35.5 ,\t-139.25\n"
                "b,1e2,0\n"
                "c,\"35,5\",139\n"
                "d,nan,139\n"
                "e,35,inf\n"
                "f,1e400,139\n"
                "g,35.5x,139\n"
                "h,,139\n",
                {{"a", 35.5, -139.25, 2}, {"b", 100, 0, 3}},
                {{unreadable, 4, "c"},
                 {unreadable, 5, "d"},
                 {unreadable, 6, "e"},
                 {unreadable, 7, "f"},
                 {unreadable, 8, "g"},
                 {unreadable, 9, "h"}}}));

INSTANTIATE_TEST_SUITE_P(
    Encodings, CsvRowsTest,
    ::testing::Values(
        // A trailing byte alone, and a leading byte before a comma or a blank, are no characters.
        CsvCase{"bytes with no character in code page 932",
                "name,lat,lon\n\x93\x8c\x93,1,1\n\x81 x,2,2\n\xFF,3,3\n",
                {{U8(u8"東\uFFFD"), 1, 1, 2}, {U8(u8"\uFFFD x"), 2, 2, 3}, {U8(u8"\uFFFD"), 3, 3, 4}}},
        CsvCase{"invalid UTF-8 after a byte order mark",
                "\xEF\xBB\xBFname,lat,lon\n\x93\x8c,1,1\n",
                {{U8(u8"\uFFFD\uFFFD"), 1, 1, 2}}}));

// A file that is UTF-8 in its first read block and not later must be read as code page 932
// throughout; one with a character across the first two blocks is still UTF-8.
TEST(CsvFormatTest, EncodingIsDecidedOnTheWholeFile) {
  constexpr std::size_t blockSize = 64 * 1024;
  std::string head = "name,lat,lon\n";
  while (head.size() + 12 <= blockSize - 2) head += "a,1,1\n";
  head += std::string(blockSize - 2 - head.size() - 5, 'a') + ",1,1\n";
  Reading cp932;
  cp932.Read(head + "\x93\x8c\x8b\x9e,2,2\n");
  Reading utf8;
  utf8.Read(head + U8(u8"東,3,3\n"));

  ASSERT_FALSE(cp932.sink.points.empty() || utf8.sink.points.empty());
  EXPECT_EQ(cp932.sink.points.back().name, U8(u8"東京"));
  EXPECT_EQ(utf8.sink.points.back().name, U8(u8"東"));
}

TEST(CsvFormatTest, HugeLineKeepsItsStartAndTheRowsAfterIt) {
  std::string huge(std::size_t{3} << 20, 'n');
  Reading reading;
  reading.Read("lat,lon,name,note\n1,1," + huge + "," + huge + "\n2,2,b\n");

  EXPECT_EQ(reading.sink.points,
            (std::vector<MapPoint>{{huge.substr(0, 4096), 1, 1, 2}, {"b", 2, 2, 3}}));
  EXPECT_LE(reading.files.largestRequest, 64u * 1024u);
}

TEST(CsvFormatTest, TwoHundredAndOneRowsArriveInOrder) {
  std::string text = "name,lat,lon\r\n";
  for (int i = 0; i <= 200; ++i) {
    text += "p" + std::to_string(i) + "," + std::to_string(i % 90) + "," + std::to_string(i) +
            "\r\n";
  }
  Reading reading;
  reading.Read(text);

  ASSERT_EQ(reading.sink.points.size(), 201u);
  for (std::size_t i = 0; i <= 200; ++i) {
    EXPECT_EQ(reading.sink.points[i], (MapPoint{"p" + std::to_string(i), static_cast<double>(i % 90),
                                                 static_cast<double>(i), i + 2}));
  }
}

// A header of forty columns, the first with a long name: the message lists the first 32,
// each cut to 64 bytes.
std::string ManyColumns() {
  std::string header(100, 'x');
  for (int i = 1; i < 40; ++i) header += ",c" + std::to_string(i);
  return header + "\n";
}

std::string ManyColumnsListed() {
  std::string list(64, 'x');
  for (int i = 1; i < 32; ++i) list += ", c" + std::to_string(i);
  return list + ", ...";
}

class CsvRefusedTest : public ::testing::TestWithParam<RefusedFile> {};

TEST_P(CsvRefusedTest, FailsWithWhereAndWhy) { ExpectRefused<ReadCsv>(GetParam()); }

INSTANTIATE_TEST_SUITE_P(
    Files, CsvRefusedTest,
    ::testing::Values(
        RefusedFile{"empty", "", Kind::MissingColumns, 0, 0, ""},
        RefusedFile{"latitude only", "name, lat \n", Kind::MissingColumns, 0, 0, "name, lat"},
        RefusedFile{"code page 932 header", "\x96\xbc\x91\x4f,\x88\xdc\x93\x78\r\n",
                   Kind::MissingColumns, 0, 0, U8(u8"名前, 緯度")},
        RefusedFile{"many long columns", ManyColumns(), Kind::MissingColumns, 0, 0,
                   ManyColumnsListed()},
        RefusedFile{"quote never closed", "name,lat,lon\na,1,1\nb,\"2,2\nc,3,3\n",
                   Kind::NotWellFormed, 3, 3,
                   "a quoted field is not closed before the end of the file"}));

TEST(CsvFormatTest, OpenFailureCarriesItsCause) {
  Reading reading;
  reading.files.faults["in"].openCause = FileErrorCause::AccessDenied;
  ReadResult result = reading.Read("lat,lon\n");

  ASSERT_TRUE(result.failure);
  EXPECT_EQ(result.failure->kind, Kind::ListOpenFailed);
  EXPECT_EQ(result.failure->cause, FileErrorCause::AccessDenied);
}

}  // namespace
}  // namespace pinmover::testing
