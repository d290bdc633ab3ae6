#include <gtest/gtest.h>

#include <vector>

#include "formats/pmf/dms_text.h"
#include "tests/fakes/fake_clock.h"
#include "tests/fakes/fake_file_system.h"
#include "tests/fakes/shown_problems.h"
#include "unitfile/jis_x0208.h"
#include "unitfile/point_file_inspection.h"
#include "unitfile/point_image.h"

namespace pinmover {
namespace {

class PointFileInspectionTest : public ::testing::Test {
 protected:
  void Fill(int count) {
    image.Reset();
    for (int i = 0; i < count; ++i) {
      image.InitPoint(i);
      image.SetName(i, "東京タワー" + std::to_string(i));
      image.SetIcon(i, 7);
      image.SetVoice(i, 0x0020);
      image.SetLongitudeUnits(i, DmsToUnits("135/30/45.1"));
      image.SetLatitudeUnits(i, DmsToUnits("034/39/12.5"));
      image.Seal(i);
    }
    bytes.assign(image.Bytes().begin(), image.Bytes().end());
  }
  PointFileInspection Inspect() { return InspectPointFile(bytes, bytes.size()); }
  std::uint8_t& SlotByte(int slot, std::size_t offset) { return bytes.at(48 + 256 * slot + offset); }

  testing::FakeFileSystem files;
  testing::FakeClock clock;
  PointImage image{files, clock};
  std::vector<std::uint8_t> bytes;
};

TEST_F(PointFileInspectionTest, ReadsBackWhatWasWritten) {
  Fill(3);
  PointFileInspection file = Inspect();
  EXPECT_EQ(file.size, 64048u);
  EXPECT_EQ(file.header, "Clarion Point Data Format");
  EXPECT_TRUE(file.headerOk);
  EXPECT_TRUE(file.problems.empty());
  ASSERT_EQ(file.points.size(), 3u);
  const InspectedPoint& point = file.points[2];
  EXPECT_EQ(point.slot, 2);
  EXPECT_EQ(point.name, "東京タワー2");
  EXPECT_EQ(point.longitudeUnits, 999106765);
  EXPECT_EQ(point.latitudeUnits, 255493120);
  EXPECT_EQ(point.icon, 7);
  EXPECT_EQ(point.voiceCode, 0x0020);
  EXPECT_EQ(point.attributes, 0x8020);
  EXPECT_EQ(point.created.year, 2006);
  EXPECT_EQ(point.created.second, 9);
  EXPECT_TRUE(point.checksumOk);
}

TEST_F(PointFileInspectionTest, JisPairsTurnBackIntoEveryShiftJisCharacter) {
  for (unsigned first = 0x81; first <= 0xEF; ++first) {
    if (first >= 0xA0 && first < 0xE0) continue;  // single-byte katakana
    for (unsigned second = 0x40; second <= 0xFC; ++second) {
      if (second == 0x7F) continue;
      auto jis = SjisToJisPair(static_cast<std::uint8_t>(first), static_cast<std::uint8_t>(second));
      auto back = JisPairToSjis(jis[0], jis[1]);
      ASSERT_EQ(back.first, first) << std::hex << first << ' ' << second;
      ASSERT_EQ(back.second, second) << std::hex << first << ' ' << second;
    }
  }
}

TEST_F(PointFileInspectionTest, TellsEveryIrregularity) {
  Fill(2);
  SlotByte(0, 60) = 1;          // an unused area
  SlotByte(1, 4) ^= 0xFF;       // longitude changed after sealing
  SlotByte(5, 0) = 1;           // a filled slot after the first empty one
  SlotByte(210, 20) = 9;        // the slots the unit never reads
  bytes[30] = 'x';              // header
  PointFileInspection file = Inspect();
  EXPECT_FALSE(file.headerOk);
  EXPECT_EQ(file.points.size(), 2u);
  EXPECT_FALSE(file.points[1].checksumOk);
  EXPECT_EQ(testing::PointFileWords(file.problems),
            (std::vector<std::string>{"ヘッダーが正しくありません",
                                      "枠 0: チェックサムが合いません",
                                      "枠 0: 使われない領域に 0 でないバイトがあります",
                                      "枠 1: チェックサムが合いません",
                                      "空きの枠の後ろに使用中の枠があります",
                                      "枠 200 から 249 が 0 ではありません"}));
}

TEST_F(PointFileInspectionTest, ShortAndOddFilesAreReadAsFarAsTheyGo) {
  Fill(2);
  bytes.resize(48 + 256 + 10);
  PointFileInspection file = InspectPointFile(bytes, 4ull << 30);
  EXPECT_EQ(file.size, 4ull << 30);
  EXPECT_EQ(file.points.size(), 1u);
  EXPECT_EQ(testing::PointFileWords(file.problems).front(), "大きさが 64048 バイトではありません");

  std::vector<std::uint8_t> nothing;
  file = InspectPointFile(nothing, 0);
  EXPECT_EQ(file.header, "");
  EXPECT_FALSE(file.headerOk);
  EXPECT_TRUE(file.points.empty());
}

}  // namespace
}  // namespace pinmover
