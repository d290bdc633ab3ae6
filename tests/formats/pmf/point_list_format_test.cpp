#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "formats/pmf/point_list_parser.h"

namespace pinmover {
namespace {

std::vector<InputPointRecord> ParseText(const std::string& text) {
  std::vector<InputPointRecord> slots(200);
  PointListParser parser(slots);
  if (parser.Feed(text)) parser.Finish();
  slots.resize(static_cast<std::size_t>(parser.Count()));
  return slots;
}

// A record line: every field preceded by one '#'.
std::string Line(const std::vector<std::string>& fields) {
  std::string line;
  for (const std::string& field : fields) line += "#" + field;
  return line;
}

// A record line with the given text at field number (1-based) and "x" in every field before.
std::string LineWithField(int number, const std::string& text) {
  std::vector<std::string> fields(static_cast<std::size_t>(number - 1), "x");
  fields.push_back(text);
  return Line(fields);
}

InputPointRecord RecordOf(const std::string& line) {
  auto records = ParseText(line + "\n");
  EXPECT_EQ(records.size(), 1u);
  return records.empty() ? InputPointRecord{} : records[0];
}

const std::vector<std::string> exampleFields = {
    "P01", "a",   "b",   "13712345", "3539276",         "c",        "d",         "e",
    "f",   "T10", "T11", "T12",      "Station\tnote",   "00",       "T15",       "T16",
    "T17", "T18", "T19", "T20",      "Main gate",       "20060315123045", "T23", "T24"};

TEST(PointListFormatTest, ExampleRecordFillsEverySlot) {
  InputPointRecord r = RecordOf(Line(exampleFields));
  EXPECT_EQ(r.sequence, 0);
  EXPECT_STREQ(r.text1, "P01");
  EXPECT_STREQ(r.firstCoordinate, "137/12/34.5");
  EXPECT_STREQ(r.secondCoordinate, "035/39/27.6");
  EXPECT_STREQ(r.name, "Station");
  EXPECT_STREQ(r.word21, "Main");
  EXPECT_EQ(r.flag14, 0);
  EXPECT_STREQ(r.date, "2006/03/15");
  EXPECT_STREQ(r.time, "12:30:45");
  EXPECT_STREQ(r.text10, "T10");
  EXPECT_STREQ(r.text11, "T11");
  EXPECT_STREQ(r.text12, "T12");
  EXPECT_STREQ(r.text15, "T15");
  EXPECT_STREQ(r.text16, "T16");
  EXPECT_STREQ(r.text17, "T17");
  EXPECT_STREQ(r.text18, "T18");
  EXPECT_STREQ(r.text19, "T19");
  EXPECT_STREQ(r.text20, "T20");
  EXPECT_STREQ(r.text23, "T23");
  EXPECT_STREQ(r.text24, "T24");
}

TEST(PointListFormatTest, RunsOfSeparatorsCollapseAndShiftLaterFields) {
  std::string doubled = Line(exampleFields);
  doubled.replace(doubled.find("#b"), 1, "##");
  EXPECT_EQ(RecordOf(doubled), RecordOf(Line(exampleFields)));

  std::vector<std::string> missing = exampleFields;
  missing.erase(missing.begin() + 1);
  InputPointRecord r = RecordOf(Line(missing));
  EXPECT_STREQ(r.firstCoordinate, "035/39/27.6");
  EXPECT_STREQ(r.name, "00");
  EXPECT_STREQ(r.text24, "");
  EXPECT_STREQ(r.text23, "T24");
}

TEST(PointListFormatTest, LineOfOnlySeparatorsGivesARecordOfEmptyFields) {
  InputPointRecord r = RecordOf("#####");
  EXPECT_EQ(r.sequence, 0);
  EXPECT_STREQ(r.text1, "");
  EXPECT_STREQ(r.name, "");
  EXPECT_STREQ(r.firstCoordinate, "000/00/00.0");
  EXPECT_STREQ(r.secondCoordinate, "000/00/00.0");
  EXPECT_EQ(r.flag14, 1);
  EXPECT_STREQ(r.date, "//");
  EXPECT_STREQ(r.time, "::");
}

TEST(PointListFormatTest, CoordinatesReadAsDegreesMinutesSecondsAndTenths) {
  const std::pair<const char*, const char*> cases[] = {
      {"13712345", "137/12/34.5"},   {"3539276", "035/39/27.6"},
      {"3599999", "035/99/99.9"},    {"100000000", "1000/00/00.0"},
      {"3539276X", "035/39/27.6"},   {"abc", "000/00/00.0"},
      {" \t+3539276", "035/39/27.6"}, {"+-5", "000/00/00.0"},
      {"- 5", "000/00/00.0"},        {"-1", "42949/67/29.5"},
      {"4294967296", "000/00/00.0"}, {"4294967297", "000/00/00.1"},
      {"00000000000000000000000013712345", "137/12/34.5"},
  };
  for (const auto& [field, dms] : cases) {
    EXPECT_STREQ(RecordOf(LineWithField(4, field)).firstCoordinate, dms) << field;
    EXPECT_STREQ(RecordOf(LineWithField(5, field)).secondCoordinate, dms) << field;
  }
}

TEST(PointListFormatTest, NameIsTheTextBeforeTheFirstTabAfterLeadingTabs) {
  EXPECT_STREQ(RecordOf(LineWithField(13, "\t\tStation\tnote")).name, "Station");
  EXPECT_STREQ(RecordOf(LineWithField(13, "Main gate east")).name, "Main gate east");
  EXPECT_STREQ(RecordOf(LineWithField(13, " \tStation")).name, " ");
  EXPECT_STREQ(RecordOf(LineWithField(13, "\t\t")).name, "");
  EXPECT_STREQ(RecordOf(LineWithField(13, "東京駅\t北口")).name, "東京駅");
}

TEST(PointListFormatTest, FirstWordSkipsLeadingSpacesAndTabs) {
  EXPECT_STREQ(RecordOf(LineWithField(21, " \t Main gate")).word21, "Main");
  EXPECT_STREQ(RecordOf(LineWithField(21, "Main\tgate")).word21, "Main");
  EXPECT_STREQ(RecordOf(LineWithField(21, " \t ")).word21, "");
}

TEST(PointListFormatTest, FlagIsZeroOnlyForExactlyTwoZerosAfterTabsGo) {
  const std::pair<const char*, int> cases[] = {
      {"00", 0}, {"\t00\t", 0}, {"0\t0", 0}, {"00 ", 1}, {" 00", 1},
      {"0", 1},  {"000", 1},    {"01", 1},   {"\t", 1},
  };
  for (const auto& [field, flag] : cases) {
    EXPECT_EQ(RecordOf(LineWithField(14, field)).flag14, flag) << field;
  }
  EXPECT_EQ(RecordOf(LineWithField(13, "name")).flag14, 1);
}

TEST(PointListFormatTest, DateAndTimeComeFromTheFirstEightAndLastSixBytes) {
  struct Case {
    const char* field;
    const char* date;
    const char* time;
  };
  const Case cases[] = {
      {"20060315123045", "2006/03/15", "12:30:45"},
      {"20060315", "2006/03/15", "06:03:15"},
      {"\t", "//", "::"},
      {"2006\t0315\t1230\t45", "2006/03/15", "12:30:45"},
      {"2006", "2006//", "20:06:"},
      {"20060315123045999", "2006/03/15", "04:59:99"},
  };
  for (const Case& c : cases) {
    InputPointRecord r = RecordOf(LineWithField(22, c.field));
    EXPECT_STREQ(r.date, c.date) << c.field;
    EXPECT_STREQ(r.time, c.time) << c.field;
  }
  InputPointRecord missing = RecordOf(LineWithField(21, "word"));
  EXPECT_STREQ(missing.date, "//");
  EXPECT_STREQ(missing.time, "::");
}

TEST(PointListFormatTest, TextFieldsLoseTheirTabs) {
  InputPointRecord r = RecordOf(Line({"\tP\t0\t1", "a", "b", "1", "2", "c", "d", "e", "f",
                                      "T\t1\t0", "a b,c"}));
  EXPECT_STREQ(r.text1, "P01");
  EXPECT_STREQ(r.text10, "T10");
  EXPECT_STREQ(r.text11, "a b,c");
}

TEST(PointListFormatTest, LongTextIsCutAtItsSlotWithoutSpilling) {
  std::vector<std::string> fields(24);
  for (std::size_t i = 0; i < fields.size(); ++i) fields[i] = std::string(300, static_cast<char>('a' + i % 26));
  fields[12] = std::string(300, 'N');
  fields[21] = std::string(300, '2');
  InputPointRecord r = RecordOf(Line(fields));
  EXPECT_EQ(std::string(r.text1), std::string(7, 'a'));
  EXPECT_EQ(std::string(r.text12), std::string(7, 'l'));
  EXPECT_EQ(std::string(r.name), std::string(63, 'N'));
  EXPECT_EQ(std::string(r.text11), std::string(9, 'k'));
  EXPECT_EQ(std::string(r.text18), std::string(127, 'r'));
  EXPECT_EQ(std::string(r.text24), std::string(21, 'x'));
  EXPECT_EQ(std::string(r.text23), std::string(17, 'w'));
  EXPECT_EQ(std::string(r.word21), std::string(63, 'u'));
  EXPECT_STREQ(r.date, "2222/22/22");
  EXPECT_STREQ(r.time, "22:22:22");
  EXPECT_EQ(r.flag14, 1);
}

TEST(PointListFormatTest, CarriageReturnEndingALineBelongsToNoField) {
  std::string full = Line(exampleFields);
  EXPECT_STREQ(ParseText(full + "\r\n" + full + "\r\n")[1].text24, "T24");
  EXPECT_STREQ(ParseText(full + "\r")[0].text24, "T24");
  EXPECT_STREQ(ParseText(full + "\r" + std::string(1, '\0') + "#x")[0].text24, "T24");

  std::string upToName = LineWithField(13, "Station");
  EXPECT_STREQ(ParseText(upToName + "\r\n")[0].name, "Station");
  EXPECT_STREQ(ParseText(upToName + "#\r\n")[0].name, "Station");
  EXPECT_STREQ(ParseText(upToName + "\r\r\n")[0].name, "Station\r");
  EXPECT_STREQ(ParseText(upToName + "\r#\n")[0].name, "Station\r");
  EXPECT_STREQ(ParseText(LineWithField(13, "Sta\rtion") + "\n")[0].name, "Sta\rtion");
  EXPECT_STREQ(ParseText(LineWithField(4, "3539276\r") + "\r\n")[0].firstCoordinate,
               "035/39/27.6");
}

TEST(PointListFormatTest, OnlyLinesStartingWithSeparatorAreRecords) {
  auto records = ParseText("header\n #a\n\t#b\n\n\n#c\r\nfooter #d\n#e");
  ASSERT_EQ(records.size(), 2u);
  EXPECT_STREQ(records[0].text1, "c");
  EXPECT_EQ(records[1].sequence, 1);
  EXPECT_STREQ(records[1].text1, "e");
  EXPECT_TRUE(ParseText("").empty());
  EXPECT_TRUE(ParseText("\n\n\nno records here\n").empty());
}

TEST(PointListFormatTest, LineStartingWithFFEndsTheList) {
  auto records = ParseText("#a\n\xFF#b\n#c\n");
  ASSERT_EQ(records.size(), 1u);
  EXPECT_STREQ(records[0].text1, "a");
  EXPECT_STREQ(ParseText("#a\xFF\n#b\xFF")[1].text1, "b\xFF");
}

TEST(PointListFormatTest, NulByteEndsTheText) {
  std::string text = "#a#b#c#1234567\n#d";
  text[text.find('4')] = '\0';
  auto records = ParseText(text);
  ASSERT_EQ(records.size(), 1u);
  EXPECT_STREQ(records[0].firstCoordinate, "000/00/12.3");
  EXPECT_TRUE(ParseText(std::string("\0#a\n", 4)).empty());
  EXPECT_TRUE(ParseText(std::string("skipped\0\n#a\n", 12)).empty());
}

TEST(PointListFormatTest, TakesTwoHundredRecordLinesAtMost) {
  std::string text;
  for (int i = 0; i < 201; ++i) text += '#' + std::to_string(i) + "\nignored line\n";
  auto records = ParseText(text);
  ASSERT_EQ(records.size(), 200u);
  EXPECT_EQ(records[199].sequence, 199);
  EXPECT_STREQ(records[199].text1, "199");
}

TEST(PointListFormatTest, SkippedRecordLinesAreCountedAndTheLinesAfterThemKept) {
  const std::string texts[] = {"#a\n#b\r\n#c", "x\n#a\n\n#b\nx #\n#c\n#d\n",
                               "#a\n#b\xFF\n\xFF#c\n", std::string("#a\n#b\0#c\n", 9)};
  for (const std::string& text : texts) {
    const std::vector<InputPointRecord> all = ParseText(text);
    for (std::size_t skip = 0; skip <= all.size() + 1; ++skip) {
      std::vector<InputPointRecord> slots(2);
      PointListParser parser(slots, static_cast<int>(skip));
      if (parser.Feed(text)) parser.Finish();
      const std::size_t seen = std::min(all.size(), skip + slots.size());
      EXPECT_EQ(parser.Count(), static_cast<int>(seen)) << text << " skipping " << skip;
      for (std::size_t i = skip; i < seen; ++i) EXPECT_EQ(slots[i - skip], all[i]) << text;
    }
  }
}

}  // namespace
}  // namespace pinmover
