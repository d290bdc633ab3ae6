#include <gtest/gtest.h>

#include <random>
#include <string>

#include "formats/pmf/point_list_reader.h"
#include "tests/fakes/fake_file_system.h"
#include "tests/fakes/string_input_file.h"
#include "tests/formats/pmf/reference_point_list.h"

namespace pinmover {
namespace {

using testing::Escaped;
using testing::ReferenceParse;

// Point lists made to hit the rules' corners: separators, blanks, carriage returns, signs,
// digits, double-byte text, 0xFF and NUL bytes, in lines and fields of every length.
class ListGenerator {
 public:
  explicit ListGenerator(unsigned seed) : random_(seed) {}

  std::string Text(std::size_t longestField) {
    std::string text;
    // Long lists run into the limit of 200 unless an 0xFF line ends them first.
    bool longList = Chance(10);
    std::size_t lines = longList ? Below(60) + 230 : Below(25);
    std::size_t endMarkPercent = longList && Chance(70) ? 0 : 3;
    for (std::size_t i = 0; i < lines; ++i) text += Line(longestField, endMarkPercent);
    if (Chance(30)) text += Field(longestField);
    if (Chance(15) && !text.empty()) text[Below(text.size())] = '\0';
    return text;
  }

 private:
  std::size_t Below(std::size_t limit) {
    return std::uniform_int_distribution<std::size_t>(0, limit - 1)(random_);
  }
  bool Chance(std::size_t percent) { return Below(100) < percent; }

  std::string Line(std::size_t longestField, std::size_t endMarkPercent) {
    static const char* const endings[] = {"\n", "\r\n", "\n\n", "\r\r\n", "\r\n\r\n", "\n\r\n"};
    std::string line;
    std::size_t kind = Below(100);
    if (kind < endMarkPercent) {
      line = '\xFF' + Field(longestField);
    } else if (kind < 75) {
      line.append(Below(3) + 1, '#');
      std::size_t fields = Below(30);
      for (std::size_t i = 0; i < fields; ++i) {
        line += Field(longestField);
        if (i + 1 < fields || Chance(30)) line.append(Below(3) + 1, '#');
      }
    } else {
      line = Field(longestField);
    }
    return line + endings[Below(std::size(endings))];
  }

  std::string Field(std::size_t longestField) {
    static const char* const pieces[] = {"0", "1", "5", "9", "3539276", "\t", " ", "\r",
                                         "+", "-", "A", "z", "東京", "\xFF", "#", ","};
    std::size_t length = Chance(10) ? Below(longestField) : Below(12);
    std::string field;
    while (field.size() < length) {
      field += Chance(50) ? pieces[Below(4)] : pieces[Below(std::size(pieces))];
    }
    return field;
  }

  std::mt19937 random_;
};

class StreamingEquivalenceTest : public ::testing::Test {
 protected:
  // The reader's table must hold what the reference gives, and nothing beyond it.
  void ExpectReferenceRecords(const std::string& text) {
    std::vector<InputPointRecord> expected;
    ReferenceParse(text, expected);
    ASSERT_EQ(static_cast<std::size_t>(reader_.GetCount()), expected.size()) << Escaped(text);
    for (int i = 0; i < PointListReader::maxRecords; ++i) {
      auto index = static_cast<std::size_t>(i);
      InputPointRecord wanted = index < expected.size() ? expected[index] : InputPointRecord{};
      ASSERT_TRUE(reader_.Record(i) == wanted) << "record " << i << " of " << Escaped(text);
    }
  }

  testing::FakeFileSystem disk_;
  PointListReader reader_{disk_};
};

TEST_F(StreamingEquivalenceTest, AgreesWithTheWholeTextReadingWhateverTheReadSizes) {
  ListGenerator generator(20240601);
  std::minstd_rand sizes(7);
  for (int round = 0; round < 2000; ++round) {
    std::string text = generator.Text(300);
    testing::StringInputFile file(text, [&sizes] { return sizes() % 7 + 1; });
    reader_.Clear();
    reader_.Parse(file);
    ExpectReferenceRecords(text);
    if (HasFatalFailure()) return;
  }
}

TEST_F(StreamingEquivalenceTest, AgreesAcrossFullBlocksWithFieldsLongerThanABlock) {
  ListGenerator generator(99);
  for (int round = 0; round < 12; ++round) {
    std::string text = generator.Text(2 * PointListReader::blockSize);
    disk_.files["long.pmf"] = text;
    ASSERT_EQ(reader_.Load("long.pmf"), std::nullopt);
    ExpectReferenceRecords(text);
    if (HasFatalFailure()) return;
  }
  EXPECT_EQ(disk_.largestRequest, PointListReader::blockSize);
}

}  // namespace
}  // namespace pinmover
