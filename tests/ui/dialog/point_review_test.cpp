#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/point_conversion.h"
#include "tests/fakes/fake_conversion_desk.h"
#include "tests/fakes/fake_review_controls.h"
#include "ui/dialog/file_dialog_filter.h"
#include "ui/dialog/point_review.h"
#include "unitfile/point_file_inspection.h"

namespace pinmover {
namespace {

std::string U8(const char8_t* text) { return reinterpret_cast<const char*>(text); }

// A map app's list in the shapes users bring: a name longer than the unit shows, one with a
// character it lacks and an accent, its own icon, a place entered twice 11 m apart, a row
// without a position.
const std::string placesCsv =
    U8(u8"name,lat,lon,icon\n"
       u8"Kamakura Koko-Mae Station East Exit,35.30,139.50,\n"
       u8"Café ①,35.31,139.51,7\n"
       u8"Tower,35.6586,139.7454,\n"
       u8"Tower,35.6587,139.7454,\n"
       u8"Bad,north,139,\n");

std::string NumberedCsv(int count) {
  std::string text = "name,lat,lon\n";
  for (int i = 1; i <= count; ++i)
    text += "P" + std::to_string(i) + ",35.5,139." + std::to_string(i) + "\n";
  return text;
}

class PointReviewTest : public ::testing::Test, protected testing::FakeConversionDesk {
 protected:
  void SetUp() override {
    files.files["places.csv"] = placesCsv;
    files.files["many.csv"] = NumberedCsv(450);
    files.files["card.csv"] = "name,lat,lon\nTower,35.6586,139.7454\nHome,35.1,139.1\n";
  }

  // A point file on the card, made as the converter makes it.
  void MakeCard() {
    ConversionRequest request;
    request.inputs = {{"card.csv", FormatForPath("card.csv")}};
    request.outputPath = "card.pnt";
    request.datum = Datum::Wgs84;
    ASSERT_EQ(ConvertPoints(formats, image, request, nullptr).outcome,
              ConversionOutcome::Converted);
  }

  PointReview Review(const std::string& list) {
    PointReview review(formats, Datum::Wgs84, "card.pnt", "pinmover");
    EXPECT_FALSE(review.AddList(list));
    return review;
  }

  std::vector<std::string> Column(const PointReview& review, ReviewColumn column) {
    std::vector<std::string> cells;
    for (std::size_t row = 0; row < review.RowCount(); ++row) {
      cells.push_back(review.Cell(row, column));
    }
    return cells;
  }

  testing::FakeReviewControls controls;
};

TEST_F(PointReviewTest, EveryPointIsARowWithWhatHappenedToIt) {
  PointReview review = Review("places.csv");
  EXPECT_EQ(
      Column(review, ReviewColumn::UnitName),
      (std::vector<std::string>{"Kamakura Koko-Mae S", U8(u8"Cafe 〓"), "Tower", "Tower", ""}));
  EXPECT_EQ(Column(review, ReviewColumn::OriginalName)[1], U8(u8"Caf\u00E9 \u2460"));
  EXPECT_EQ(Column(review, ReviewColumn::Latitude),
            (std::vector<std::string>{"35.3", "35.31", "35.6586", "35.6587", ""}));
  EXPECT_EQ(Column(review, ReviewColumn::Note),
            (std::vector<std::string>{
                U8(u8"名前が 19 文字を超えるため、19 文字までにしました"),
                U8(u8"ナビで表示できない文字 \u2460 を 〓 にしました / "
                   u8"アクセント付きの文字 \u00E9 をアクセントなしの文字にしました"),
                "", U8(u8"重複: 3 行目と同じ名前で 11 m の所にあります"),
                U8(u8"緯度・経度が読み取れないため、変換しませんでした")}));
  EXPECT_TRUE(review.HasCheckBox(3));
  EXPECT_FALSE(review.HasCheckBox(4));
  EXPECT_FALSE(review.CanRename(4));
  EXPECT_EQ(review.CountLine(), U8(u8"書き込む地点: 4 / 200"));

  const std::vector<UnitPoint> chosen = review.ChosenPoints();
  ASSERT_EQ(chosen.size(), 4u);
  EXPECT_EQ(chosen[1].icon, 7);
  EXPECT_FALSE(chosen[0].icon);

  review.ShowOnMap(controls, 2);
  EXPECT_EQ(controls.links,
            std::vector<std::string>{"https://maps.gsi.go.jp/#17/35.6586/139.7454/"});
  EXPECT_TRUE(controls.shown.empty());
  controls.browser = false;
  review.ShowOnMap(controls, 2);
  ASSERT_EQ(controls.shown.size(), 1u);
  EXPECT_EQ(controls.shown[0].text,
            "ブラウザーで地図を開けませんでした。\nhttps://maps.gsi.go.jp/#17/35.6586/139.7454/");
}

// A typed name goes through the unit's name rules; the note follows it, and so do duplicates.
TEST_F(PointReviewTest, RenamingAppliesTheNameRules) {
  PointReview review = Review("places.csv");
  const struct {
    std::size_t row;
    std::string typed;
    std::string shown;
    std::string note;
  } renames[] = {
      {0, "Kamakura", "Kamakura", U8(u8"名前を変えました")},
      {1, U8(u8"Crêpe"), "Crepe",
       U8(u8"名前を変えました / アクセント付きの文字 \u00EA をアクセントなしの文字にしました")},
      {3, "Tower 2", "Tower 2", U8(u8"名前を変えました")},
  };
  for (const auto& rename : renames) {
    review.Rename(rename.row, rename.typed);
    EXPECT_EQ(review.Cell(rename.row, ReviewColumn::UnitName), rename.shown) << rename.typed;
    EXPECT_EQ(review.Cell(rename.row, ReviewColumn::Note), rename.note) << rename.typed;
  }
  EXPECT_EQ(review.Cell(2, ReviewColumn::Note), "");

  // A point file's point renamed is written anew, with its own icon.
  MakeCard();
  PointReview card = Review("card.pnt");
  card.Rename(1, "Office");
  const std::vector<UnitPoint> chosen = card.ChosenPoints();
  EXPECT_TRUE(chosen[0].record);
  EXPECT_FALSE(chosen[1].record);
  EXPECT_EQ(chosen[1].icon, minIcon);
  EXPECT_EQ(card.Cell(1, ReviewColumn::UnitName), "Office");
}

TEST_F(PointReviewTest, TheCountLineFollowsTheChecks) {
  PointReview review = Review("many.csv");
  EXPECT_EQ(review.CountLine(),
            U8(u8"書き込む地点: 450 (200 地点ずつ 3 個の番号付きファイルに分けて書き込みます)"));
  for (std::size_t row = 200; row < 450; ++row) review.Toggle(row);
  EXPECT_EQ(review.CountLine(), U8(u8"書き込む地点: 200 / 200"));
  EXPECT_TRUE(review.CanWrite());
  for (std::size_t row = 0; row < 200; ++row) review.SetChecked(row, false);
  EXPECT_EQ(review.CountLine(), U8(u8"書き込む地点: 0 / 200"));
  EXPECT_FALSE(review.CanWrite());
}

// Adding to the card's file: its points on top, kept as they are, and a new point that is one
// of them again unchecked; checked again when the file is no longer added to.
TEST_F(PointReviewTest, AppendingShowsTheCardsPointsFirstAndLeavesTheirDuplicates) {
  MakeCard();
  PointReview review = Review("places.csv");
  ASSERT_TRUE(review.AppendPossible());
  EXPECT_EQ(review.RowCount(), 5u);

  review.SetAppending(true);
  EXPECT_EQ(review.RowCount(), 7u);
  EXPECT_EQ(review.Cell(0, ReviewColumn::Note), U8(u8"出力ファイルに既にある地点"));
  EXPECT_FALSE(review.CanRename(0));
  EXPECT_FALSE(review.Checked(4));
  EXPECT_FALSE(review.Checked(5)) << "every duplicate of a point already there";
  EXPECT_EQ(review.Cell(4, ReviewColumn::Note),
            U8(u8"重複: 出力ファイルにある 1 行目と同じ名前で 0 m の所にあります"));
  const std::vector<UnitPoint> chosen = review.ChosenPoints();
  ASSERT_EQ(chosen.size(), 4u);
  EXPECT_TRUE(chosen[0].record) << "the card's slot is copied as it stands";
  EXPECT_EQ(review.CountLine(), U8(u8"書き込む地点: 4 / 200"));

  review.Toggle(0);
  EXPECT_EQ(review.ChosenPoints().size(), 3u) << "a point unchecked leaves the card";
  review.SetAppending(false);
  EXPECT_EQ(review.RowCount(), 5u);
  EXPECT_TRUE(review.Checked(2));
  EXPECT_TRUE(review.Checked(3));

  files.files["many.csv"] = NumberedCsv(199);
  PointReview full = Review("many.csv");
  full.SetAppending(true);
  EXPECT_FALSE(full.CanWrite());
  EXPECT_EQ(full.CountLine(),
            U8(u8"書き込む地点: 201 / 200 (既存の地点ファイルに追加できるのは合わせて 200 "
               u8"地点までです。チェックを外してください)"));
}

TEST_F(PointReviewTest, OnlyASoundExistingFileCanBeAddedTo) {
  PointReview absent = Review("places.csv");
  EXPECT_FALSE(absent.AppendPossible());
  EXPECT_EQ(absent.AppendNote(), "");

  MakeCard();
  files.files["card.pnt"][400] = 'X';
  PointReview damaged = Review("places.csv");
  EXPECT_FALSE(damaged.AppendPossible());
  EXPECT_NE(damaged.AppendNote().find("card.pnt"), std::string::npos) << damaged.AppendNote();
  damaged.SetAppending(true);
  EXPECT_FALSE(damaged.Appending());
  EXPECT_EQ(damaged.RowCount(), 5u);
}

// More lists from the file dialog or dropped: each read whole or not at all, with its message.
TEST_F(PointReviewTest, AddedFilesAppendTheirPointsAndTellWhatCannotBeRead) {
  files.files["empty.csv"] = "name,lat,lon\n";
  PointReview review = Review("places.csv");
  controls.chosen = {"many.csv", "missing.gpx", "empty.csv"};
  review.AddFiles(controls);
  ASSERT_EQ(controls.fileDialogs.size(), 1u);
  EXPECT_EQ(controls.fileDialogs[0].flags, severalFilesFlags);
  EXPECT_EQ(controls.fileDialogs[0].filter, InputFileFilter());
  EXPECT_EQ(review.RowCount(), 455u);
  EXPECT_EQ(review.Cell(4, ReviewColumn::UnitName), "P1") << "points before skipped rows";
  EXPECT_FALSE(review.HasCheckBox(454));
  ASSERT_EQ(controls.shown.size(), 3u);
  EXPECT_EQ(controls.shown[2].text, "ファイル empty.csv に変換できる地点がありません");

  controls.shown.clear();
  review.AddDroppedFiles(controls, {"notes.txt"});
  ASSERT_EQ(controls.shown.size(), 1u);
  EXPECT_EQ(controls.shown[0].caption, "Error");
  EXPECT_EQ(review.RowCount(), 455u);
}

}  // namespace
}  // namespace pinmover
