#include "unitfile/point_image.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <stdexcept>
#include <vector>

#include "formats/pmf/dms_text.h"
#include "tests/fakes/fake_clock.h"
#include "tests/fakes/fake_file_system.h"
#include "tests/fakes/shown_problems.h"
#include "unitfile/point_file_layout.h"

namespace pinmover {
namespace {

using Bytes = std::vector<std::uint8_t>;
using testing::FakeClock;
using testing::FakeFileSystem;
using testing::RecordingMessageBox;

class PointImageTest : public ::testing::Test {
 protected:
  Bytes Slot(int index) const {
    auto slot = image_.Bytes().subspan(headerSize + static_cast<std::size_t>(index) * recordSize,
                                       recordSize);
    return {slot.begin(), slot.end()};
  }
  Bytes Field(int index, std::size_t offset, std::size_t size) const {
    Bytes slot = Slot(index);
    return {slot.begin() + static_cast<std::ptrdiff_t>(offset),
            slot.begin() + static_cast<std::ptrdiff_t>(offset + size)};
  }
  Bytes Name(int index) const { return Field(index, offsetof(PointImageRecord, name), 40); }
  static bool AllZero(const Bytes& bytes) {
    return std::ranges::all_of(bytes, [](std::uint8_t b) { return b == 0; });
  }
  void Fill(int count) {
    for (int i = 0; i < count; ++i) {
      image_.InitPoint(i);
      image_.SetName(i, std::to_string(i));
      image_.SetLongitudeUnits(i, DmsToUnits("135/30/45.1"));
      image_.SetLatitudeUnits(i, DmsToUnits("034/39/12.5"));
      image_.Seal(i);
    }
  }

  FakeFileSystem files_;
  FakeClock clock_;
  PointImage image_{files_, clock_};
};

TEST_F(PointImageTest, StartsAsTheHeaderAndZeros) {
  auto bytes = image_.Bytes();
  EXPECT_EQ(std::memcmp(bytes.data(), "Clarion Point Data Format", 25), 0);
  EXPECT_TRUE(std::all_of(bytes.begin() + 25, bytes.end(), [](std::uint8_t b) { return b == 0; }));
  EXPECT_EQ(image_.UsedCount(), 0);
}

TEST_F(PointImageTest, BuildsTheWorkedSlot) {
  image_.InitPoint(0);
  image_.SetName(0, "AB\x82\xA0");
  image_.SetIcon(0, 5);
  image_.SetVoice(0, 0x0020);
  image_.SetLongitudeUnits(0, DmsToUnits("135/30/45.1"));
  image_.SetLatitudeUnits(0, DmsToUnits("034/39/12.5"));
  image_.Seal(0);

  Bytes expected(recordSize, 0);
  const Bytes start = {0x00, 0x00, 0x00, 0x01, 0x3B, 0x8D, 0x28, 0xCD, 0x0F, 0x3A,
                       0x84, 0x00, 0xFF, 0x41, 0xFF, 0x42, 0x24, 0x22, 0x00, 0x00};
  const Bytes stamp = {0x00, 0x05, 0x80, 0x20, 0x0E, 0x05, 0x09, 0x06,
                       0x06, 0x1A, 0x00, 0x00, 0x82, 0x50, 0x35, 0x35};
  std::ranges::copy(start, expected.begin());
  std::ranges::copy(stamp, expected.begin() + 148);
  EXPECT_EQ(Slot(0), expected);
  EXPECT_EQ(image_.UsedCount(), 1);
}

TEST_F(PointImageTest, InitPointFillsTheDefaults) {
  image_.InitPoint(3);
  EXPECT_EQ(Field(3, 0, 4), (Bytes{0, 0, 0, 1}));
  EXPECT_EQ(Field(3, 149, 9), (Bytes{0x01, 0x80, 0x00, 0x0E, 0x05, 0x09, 0x06, 0x06, 0x1A}));
}

TEST_F(PointImageTest, InitPointClearsEveryOldByte) {
  image_.InitPoint(0);
  image_.SetName(0, "ABCDEFGHIJKLMNOPQRSTUVW");
  image_.SetVoice(0, 0x03E0);
  image_.SetLongitudeUnits(0, DmsToUnits("135/30/45.1"));
  image_.Seal(0);
  image_.InitPoint(0);
  image_.SetName(0, "AB");
  EXPECT_EQ(Name(0),
            (Bytes{0xFF, 0x41, 0xFF, 0x42, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                   0,    0,    0,    0,    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(Field(0, 4, 4), (Bytes{0, 0, 0, 0}));
  EXPECT_EQ(Field(0, 150, 2), (Bytes{0x80, 0x00}));
  EXPECT_EQ(Field(0, 160, 4), (Bytes{0, 0, 0, 0}));
}

// A slot prepared at midnight must not get the old date with the new time.
TEST_F(PointImageTest, TakesDateAndTimeFromOneReadingOfTheClock) {
  clock_.upcoming = {{2006, 6, 26, 23, 59, 59}, {2006, 6, 27, 0, 0, 0}};
  image_.InitPoint(0);
  EXPECT_EQ(clock_.readings, 1);
  EXPECT_EQ(Field(0, 152, 6), (Bytes{23, 59, 59, 6, 6, 26}));
  image_.InitPoint(1);
  EXPECT_EQ(clock_.readings, 2);
  EXPECT_EQ(Field(1, 152, 6), (Bytes{0, 0, 0, 6, 6, 27}));
}

TEST_F(PointImageTest, StoresTheYearBefore2000ModuloTwoHundredFiftySix) {
  clock_.now = {1999, 12, 31, 8, 30, 0};
  image_.InitPoint(0);
  EXPECT_EQ(Field(0, 152, 6), (Bytes{8, 30, 0, 0xFF, 12, 31}));
}

TEST_F(PointImageTest, KeepsTheFirstNineteenCharactersOfALongName) {
  image_.InitPoint(0);
  image_.SetName(0, "あいうえおかきくけこさしすせそたちつてと");
  Bytes name = Name(0);
  EXPECT_EQ(name[36], 0x24);
  EXPECT_EQ(name[37], 0x46);  // て, the nineteenth
  EXPECT_EQ(name[38], 0);
  EXPECT_EQ(name[39], 0);
  image_.SetName(0, "ｶﾞｶﾞｶﾞｶﾞｶﾞｶﾞｶﾞｶﾞｶﾞｶﾞｶﾞｶﾞｶﾞｶﾞｶﾞｶﾞｶﾞｶﾞｶﾞｶﾞ");
  name = Name(0);
  for (std::size_t i = 0; i < 38; i += 2) EXPECT_EQ(name[i] << 8 | name[i + 1], 0x252C) << i;
  EXPECT_EQ(name[38] | name[39], 0);
}

TEST_F(PointImageTest, DropsALoneLeadByteAtTheEndOfAName) {
  image_.InitPoint(0);
  image_.SetName(0, "AB\x82");
  EXPECT_EQ(Field(0, 12, 6), (Bytes{0xFF, 0x41, 0xFF, 0x42, 0, 0}));
}

TEST_F(PointImageTest, LeavesTheNameZeroForAnEmptyText) {
  image_.InitPoint(0);
  image_.SetName(0, "AB");
  image_.SetName(0, "");
  EXPECT_TRUE(AllZero(Name(0)));
}

TEST_F(PointImageTest, EndsTheNameAtAZeroByteOfTheEncoding) {
  image_.InitPoint(0);
  image_.SetName(0,
                 "A\x81\x1F"
                 "B");  // the malformed pair gives 21 00
  EXPECT_EQ(Field(0, 12, 6), (Bytes{0xFF, 0x41, 0x21, 0, 0, 0}));
}

TEST_F(PointImageTest, StoresTheIconAsTheLowByteOfItsNumber) {
  image_.InitPoint(0);
  const std::pair<int, std::uint8_t> cases[] = {{7, 7}, {180, 180}, {300, 44}, {0, 0}, {-1, 255}};
  for (auto [number, icon] : cases) {
    image_.SetIcon(0, number);
    EXPECT_EQ(Slot(0)[149], icon) << number;
  }
}

TEST_F(PointImageTest, StoresBitsFiveToNineOfTheVoiceCode) {
  image_.InitPoint(0);
  image_.SetVoice(0, 0x0020);
  EXPECT_EQ(Field(0, 150, 2), (Bytes{0x80, 0x20}));
  image_.SetVoice(0, 0x03E0);
  EXPECT_EQ(Field(0, 150, 2), (Bytes{0x83, 0xE0}));
  image_.SetVoice(0, 0xFC1F);
  EXPECT_EQ(Field(0, 150, 2), (Bytes{0x80, 0x00}));
}

TEST_F(PointImageTest, CountsFilledSlotsUpToTheFirstEmptyOne) {
  Fill(3);
  image_.InitPoint(5);
  EXPECT_EQ(image_.UsedCount(), 3);
  Fill(200);
  EXPECT_EQ(image_.UsedCount(), 200);
  image_.Reset();
  EXPECT_EQ(image_.UsedCount(), 0);
}

TEST_F(PointImageTest, LeavesTheSlotsAfterTheTwoHundredthZero) {
  Fill(200);
  auto bytes = image_.Bytes();
  EXPECT_TRUE(std::all_of(bytes.begin() + headerSize + 200 * recordSize, bytes.end(),
                          [](std::uint8_t b) { return b == 0; }));
}

TEST_F(PointImageTest, RefusesASlotIndexOutsideTheFirstTwoHundred) {
  EXPECT_THROW(image_.InitPoint(200), std::out_of_range);
  EXPECT_THROW(image_.SetName(-1, "A"), std::out_of_range);
}

TEST_F(PointImageTest, WritesNothingWhenNoSlotIsFilled) {
  EXPECT_EQ(image_.Write("out.pnt"), std::nullopt);
  EXPECT_TRUE(files_.files.empty());
}

TEST_F(PointImageTest, WritesTheWholeImageInOneWrite) {
  Fill(2);
  EXPECT_EQ(image_.Write("out.pnt"), std::nullopt);
  const std::string& written = files_.files.at("out.pnt");
  ASSERT_EQ(written.size(), pointFileSize);
  EXPECT_EQ(std::memcmp(written.data(), image_.Bytes().data(), pointFileSize), 0);
  EXPECT_EQ(files_.largestRequest, pointFileSize);
  EXPECT_EQ(files_.openFiles, 0);
}

TEST_F(PointImageTest, ReportsAnOpenFailureAndKeepsTheImage) {
  Fill(1);
  files_.faults["D:\\地点.pnt"].openCause = FileErrorCause::SharingViolation;
  const Bytes before(image_.Bytes().begin(), image_.Bytes().end());
  const std::optional<Problem> problem = image_.Write("D:\\地点.pnt");
  ASSERT_TRUE(problem);
  const auto shown = testing::ShownProblem(*problem, files_);
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0], (RecordingMessageBox::Shown{
                                 "\"D:\\地点.pnt\"\n\nSHARE.EXE 未ロードまたは共有領域ロック済み",
                                 "pinmover", message_style::iconExclamation}));
  EXPECT_EQ(Bytes(image_.Bytes().begin(), image_.Bytes().end()), before);
  EXPECT_EQ(image_.Write("other.pnt"), std::nullopt);
}

TEST_F(PointImageTest, TellsAFailureDuringTheWriteWithThePath) {
  Fill(1);
  files_.files["out.pnt"] = "earlier";
  files_.faults["out.pnt"].failAfterBytes = 4096;
  files_.faults["out.pnt"].ioCause = FileErrorCause::DiskFull;
  const std::optional<Problem> problem = image_.Write("out.pnt");
  ASSERT_TRUE(problem) << "the write succeeded";
  EXPECT_EQ(problem->kind, ProblemKind::FileFailed);
  EXPECT_EQ(problem->cause, FileErrorCause::DiskFull);
  EXPECT_EQ(problem->path, "out.pnt");
  EXPECT_EQ(files_.files.at("out.pnt"), "earlier");
  EXPECT_EQ(files_.openFiles, 0);
}

}  // namespace
}  // namespace pinmover
