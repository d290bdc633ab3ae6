#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "wording/conversion_messages.h"
#include "ui/dialog/converter_dialog.h"
#include "ui/dialog/point_review.h"
#include "engine/datum_shift.h"
#include "ui/dialog/raised_error_report.h"
#include "tests/fakes/fake_dialog.h"

namespace pinmover {
namespace {

using testing::RecordingMessageBox;
using Shown = RecordingMessageBox::Shown;

std::string PointLines(int count) {
  std::string text;
  for (int i = 0; i < count; ++i) {
    text += "#P#a#b#13712345#3539276#c#d#e#f#10#11#12#地点" + std::to_string(i) + "\r\n";
  }
  return text;
}

std::uint8_t SlotByte(const std::string& file, int slot, int offset) {
  return static_cast<std::uint8_t>(file.at(48 + 256 * static_cast<std::size_t>(slot) +
                                           static_cast<std::size_t>(offset)));
}

// A slot's longitude (offset 4) or latitude (offset 8), as the file stores it.
std::int32_t SlotWord(const std::string& file, int slot, int offset) {
  std::uint32_t word = 0;
  for (int i = 0; i < 4; ++i) word = word << 8 | SlotByte(file, slot, offset + i);
  return static_cast<std::int32_t>(word);
}

std::string Utf8(const char8_t* text) { return reinterpret_cast<const char*>(text); }

// A map app's CSV export: UTF-8, a point per row.
std::string CsvRows(int count) {
  std::string text = "name,lat,lon\n";
  for (int i = 1; i <= count; ++i) text += "P" + std::to_string(i) + ",35.5,139.5\n";
  return text;
}

class ConversionRunTest : public ::testing::Test, protected testing::FakeDialog {
 protected:
  void SetUp() override {
    dialog.productName = "pinmover";
    dialog.inputExtension = "pmf";
    dialog.outputExtension = "pnt";
    controls.fields[DialogField::Voice] = "音声無し";
  }

  void Press() {
    RunReportingErrors(messages, files, [this] { dialog.ConversionRun(); });
  }
  void SetPaths(const std::string& input, const std::string& output) {
    controls.fields[DialogField::InputPath] = input;
    controls.fields[DialogField::OutputPath] = output;
  }

};

TEST_F(ConversionRunTest, RefusedInputPathOnlyMovesTheFocus) {
  for (const char* input : {"", "C:\\data\\tour.pmf ", "\"C:\\data\\tour.pmf\"", "tour.txt"}) {
    controls.calls.clear();
    SetPaths(input, "C:\\data\\tour.pnt");
    Press();
    EXPECT_EQ(controls.calls, std::vector<std::string>{"navigate input"}) << input;
  }
  EXPECT_TRUE(boxes.shown.empty());
  EXPECT_TRUE(files.files.empty());
}

TEST_F(ConversionRunTest, RefusedOutputPathIsReplacedByTheDerivedOne) {
  for (const char* output : {"", "C:\\data\\out.dat"}) {
    controls.calls.clear();
    SetPaths("C:\\data\\tour.pmf", output);
    files.files["C:\\data\\tour.pmf"] = PointLines(1);
    Press();
    EXPECT_EQ(controls.fields[DialogField::OutputPath], "C:\\data\\tour.pnt");
    EXPECT_EQ(controls.calls, (std::vector<std::string>{"text input", "text output",
                                                         "focus output", "select output"}));
    EXPECT_EQ(dialog.inputFolder, "C:\\data\\");
    EXPECT_EQ(dialog.outputFolder, "C:\\data\\");
  }
  EXPECT_EQ(files.files.size(), 1u) << "nothing is converted before the next press";
  EXPECT_FALSE(controls.endResult);
}

TEST_F(ConversionRunTest, SuccessfulRunWritesReportsAndEnds) {
  SetPaths("C:\\data\\tour.PMF", "C:\\data\\out.PNT");
  files.files["C:\\data\\tour.PMF"] = PointLines(3);
  controls.iconPosition = 7;
  controls.voiceSelection = 2;
  Press();

  ASSERT_EQ(files.files.count("C:\\data\\out.PNT"), 1u);
  const std::string& written = files.files["C:\\data\\out.PNT"];
  ASSERT_EQ(written.size(), 64048u);
  for (int slot = 0; slot < 3; ++slot) {
    EXPECT_EQ(SlotByte(written, slot, 3), 1) << "in use";
    EXPECT_EQ(SlotByte(written, slot, 149), 7) << "icon";
    EXPECT_EQ(SlotByte(written, slot, 150), 0x80) << "voice entry 2 has code 0x0020";
    EXPECT_EQ(SlotByte(written, slot, 151), 0x20);
  }
  EXPECT_EQ(SlotByte(written, 3, 3), 0) << "slot after the last point stays empty";
  EXPECT_EQ(controls.shown, (std::vector<Shown>{{"変換が終了しました。\nOKボタンを押して下さい。",
                                                 "終了", message_style::ok}}));
  EXPECT_EQ(controls.endResult, dialogResultOk);
  EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(ConversionRunTest, IconPositionIsWrittenAsItsNumber) {
  SetPaths("tour.pmf", "tour.pnt");
  files.files["tour.pmf"] = PointLines(1);
  controls.iconPosition = 180;
  Press();
  EXPECT_EQ(SlotByte(files.files["tour.pnt"], 0, 149), 180);
}

TEST_F(ConversionRunTest, AtMostTwoHundredPointsAreCopied) {
  SetPaths("tour.pmf", "tour.pnt");
  files.files["tour.pmf"] = PointLines(250);
  Press();
  const std::string& written = files.files["tour.pnt"];
  EXPECT_EQ(SlotByte(written, 199, 3), 1);
  EXPECT_EQ(written.find_first_not_of('\0', 48 + 256 * 200), std::string::npos);
}

TEST_F(ConversionRunTest, MissingInputGivesTwoMessagesAndKeepsTheDialog) {
  SetPaths("C:\\data\\gone.pmf", "C:\\data\\gone.pnt");
  Press();
  EXPECT_EQ(boxes.shown, (std::vector<Shown>{{"ファイルが見つかりませんでした。", "pinmover",
                                              message_style::iconExclamation}}));
  EXPECT_EQ(controls.shown,
            (std::vector<Shown>{{"ファイル C:\\data\\gone.pmf の読み込みに失敗しました", "ERROR",
                                 message_style::ok}}));
  EXPECT_EQ(controls.fields[DialogField::InputPath], "C:\\data\\gone.pmf");
  EXPECT_FALSE(controls.endResult);
}

TEST_F(ConversionRunTest, ListWithoutPointsWritesNothingAndSaysSo) {
  SetPaths("empty.pmf", "empty.pnt");
  files.files["empty.pmf"] = "comment line\n\n";
  Press();
  EXPECT_EQ(controls.shown, (std::vector<Shown>{{"ファイル empty.pmf に変換できる地点がありません",
                                                 "ERROR", message_style::ok}}));
  EXPECT_EQ(files.files.count("empty.pnt"), 0u);
  EXPECT_FALSE(controls.endResult);
}

TEST_F(ConversionRunTest, UnwritableOutputKeepsTheDialogOpenOnTheOutputField) {
  SetPaths("tour.pmf", "C:\\nowhere\\tour.pnt");
  files.files["tour.pmf"] = PointLines(1);
  files.faults["C:\\nowhere\\tour.pnt"].openCause = FileErrorCause::BadPath;
  Press();
  EXPECT_EQ(boxes.shown, (std::vector<Shown>{{"\"C:\\nowhere\\tour.pnt\"\n\n不正パス", "pinmover",
                                              message_style::iconExclamation}}));
  EXPECT_TRUE(controls.shown.empty()) << "no completion message";
  EXPECT_EQ(controls.calls, (std::vector<std::string>{"focus output", "select output"}));
  EXPECT_FALSE(controls.endResult);
}

TEST_F(ConversionRunTest, APointFileIsNeverWrittenOverItself) {
  SetPaths("card.pnt", "card.pnt");
  files.files["card.pnt"] = "kept as it is";
  Press();
  EXPECT_EQ(controls.shown,
            (std::vector<Shown>{{"出力ファイルが入力ファイル card.pnt と同じです。入力を書き換えない"
                                 "よう、別の出力ファイルを指定して下さい。",
                                 "ERROR", message_style::ok}}));
  EXPECT_EQ(files.files.at("card.pnt"), "kept as it is");
  EXPECT_EQ(controls.calls,
            (std::vector<std::string>{"message ERROR", "focus output", "select output"}));
}

TEST_F(ConversionRunTest, DiskFullDuringTheWriteIsReportedWithTheFullPath) {
  SetPaths("tour.pmf", "tour.pnt");
  files.files["tour.pmf"] = PointLines(1);
  files.faults["tour.pnt"].failAfterBytes = 1000;
  files.faults["tour.pnt"].ioCause = FileErrorCause::DiskFull;
  Press();
  EXPECT_EQ(boxes.shown,
            (std::vector<Shown>{{"C:\\work\\tour.pnt へのｱｸｾｽ中にﾃﾞｨｽｸがいっぱいになりました。",
                                 "pinmover", message_style::iconStop}}));
  EXPECT_TRUE(controls.shown.empty());
  EXPECT_FALSE(controls.endResult);
  EXPECT_EQ(files.files.count("tour.pnt"), 0u);
}

TEST_F(ConversionRunTest, ReadErrorInTheListIsReportedForAnUntitledFile) {
  SetPaths("tour.pmf", "tour.pnt");
  files.files["tour.pmf"] = PointLines(100);
  files.faults["tour.pmf"].failAfterBytes = 10;
  files.faults["tour.pmf"].ioCause = FileErrorCause::HardIO;
  Press();
  EXPECT_EQ(boxes.shown,
            (std::vector<Shown>{{"無題のﾌｧｲﾙ へのｱｸｾｽ中にﾊｰﾄﾞｳｪｱ I/O ｴﾗｰが報告されました。",
                                 "pinmover", message_style::iconStop}}));
  EXPECT_TRUE(controls.shown.empty());
  EXPECT_EQ(dialog.reader.GetCount(), 0);
}

TEST_F(ConversionRunTest, TypedVoiceTextCountsWhenItNamesAnEntry) {
  SetPaths("tour.pmf", "tour.pnt");
  files.files["tour.pmf"] = PointLines(1);
  controls.voiceSelection = -1;
  controls.fields[DialogField::Voice] = "まもなく危険地点です";
  Press();
  EXPECT_EQ(SlotByte(files.files["tour.pnt"], 0, 150), 0x81) << "code 0x01E0";
  EXPECT_EQ(SlotByte(files.files["tour.pnt"], 0, 151), 0xE0);
}

TEST_F(ConversionRunTest, UnknownVoiceOrIconStopsOnItsField) {
  SetPaths("tour.pmf", "tour.pnt");
  files.files["tour.pmf"] = PointLines(1);
  controls.voiceSelection = -1;
  controls.fields[DialogField::Voice] = "ベル";
  Press();
  EXPECT_EQ(controls.calls, (std::vector<std::string>{"focus voice", "select voice"}));

  controls.calls.clear();
  controls.voiceSelection = 0;
  for (std::optional<int> icon : {std::optional<int>{}, std::optional<int>{0},
                                  std::optional<int>{181}}) {
    controls.iconPosition = icon;
    Press();
  }
  EXPECT_EQ(controls.calls, (std::vector<std::string>{"focus icon", "select icon", "focus icon",
                                                       "select icon", "focus icon", "select icon"}));
  EXPECT_TRUE(boxes.shown.empty());
  EXPECT_TRUE(controls.shown.empty());
  EXPECT_EQ(files.files.count("tour.pnt"), 0u);
}

TEST_F(ConversionRunTest, LongInputPathDerivesWholeAndLeavesTheFoldersEmpty) {
  std::string folder = "C:\\" + std::string(270, 'f') + "\\";
  SetPaths(folder + "tour.pmf", "");
  Press();
  EXPECT_EQ(dialog.outputPath, folder + "tour.pnt");
  EXPECT_EQ(dialog.inputFolder, "");
  EXPECT_EQ(dialog.outputFolder, "");
}

TEST_F(ConversionRunTest, MapAppListsPassTheInputCheckAndABrokenKmzIsRefusedWithItsMessage) {
  files.files["a.kmz"] = "PK\x03\x04";
  for (const char* input : {"C:\\d\\a.GPX", "a.kml", "a.geojson", "a.Json", "a.csv", "a.kmz"}) {
    controls.shown.clear();
    SetPaths(input, "a.pnt");
    Press();
    ASSERT_FALSE(controls.shown.empty()) << input << " was refused before reading";
  }
  EXPECT_EQ(controls.shown[0].text,
            "ファイル a.kmz の読み込みに失敗しました\nKMZ ファイルが壊れているか、途中で切れています。"
            "地図アプリからもう一度ダウンロードするか、保存し直して下さい。");
  EXPECT_FALSE(controls.endResult);
}

TEST_F(ConversionRunTest, MapPointsAreWrittenInTheChosenDatum) {
  files.files["one.csv"] = CsvRows(1);
  SetPaths("one.csv", "one.pnt");
  Press();
  const std::string tokyo = files.files.at("one.pnt");
  dialog.ChooseDatum(Datum::Wgs84);
  EXPECT_EQ(controls.checkedDatum, Datum::Wgs84);
  EXPECT_EQ(controls.captions[DialogCaption::DatumStatus], "測地系: 世界測地系 (WGS84)");
  Press();
  const std::string wgs84 = files.files.at("one.pnt");

  const GeodeticPosition shifted = Wgs84ToTokyo({35.5, 139.5});
  EXPECT_EQ(SlotWord(tokyo, 0, 4), DegreesToUnits(shifted.longitude));
  EXPECT_EQ(SlotWord(tokyo, 0, 8), DegreesToUnits(shifted.latitude));
  EXPECT_EQ(SlotWord(wgs84, 0, 4), DegreesToUnits(139.5));
  EXPECT_EQ(SlotWord(wgs84, 0, 8), DegreesToUnits(35.5));
}

// A map app's list is shown in the point list window before anything is written; what the user
// leaves checked there is written, in numbered files past one file's worth.
TEST_F(ConversionRunTest, MapAppListsAreWrittenAsChosenInThePointListWindow) {
  const std::string wroteAll =
      "変換が終了しました。\n450 地点を次の 3 つのファイルに書き込みました。\n"
      "tour-1.pnt (200 地点)\ntour-2.pnt (200 地点)\ntour-3.pnt (50 地点)\nOKボタンを押して下さい。";
  const struct {
    const char* what;
    std::function<bool(PointReview&)> user;
    std::vector<std::string> written;
    std::string completion;  // empty: the dialog stays
  } cases[] = {
      {"everything as it opened", [](PointReview&) { return true; },
       {"C:\\d\\tour-1.pnt", "C:\\d\\tour-2.pnt", "C:\\d\\tour-3.pnt"}, wroteAll},
      {"unchecked down to one file",
       [](PointReview& review) {
         for (std::size_t row = 200; row < review.RowCount(); ++row) review.Toggle(row);
         return true;
       },
       {"C:\\d\\tour.pnt"}, "変換が終了しました。\nOKボタンを押して下さい。"},
      {"cancelled", [](PointReview&) { return false; }, {}, ""},
  };
  for (const auto& run : cases) {
    SCOPED_TRACE(run.what);
    files.files = {{"C:\\d\\tour.csv", CsvRows(450)}};
    controls.shown.clear();
    controls.endResult.reset();
    std::size_t rowsShown = 0;
    controls.review = [&](PointReview& review) {
      rowsShown = review.RowCount();
      return run.user(review);
    };
    SetPaths("C:\\d\\tour.csv", "C:\\d\\tour.pnt");
    Press();
    EXPECT_EQ(rowsShown, 450u);
    EXPECT_EQ(files.files.size(), run.written.size() + 1);
    for (const std::string& written : run.written) {
      ASSERT_TRUE(files.files.contains(written)) << written;
      // Every file is full but the last, which holds the 50 left over.
      EXPECT_EQ(SlotByte(files.files.at(written), written.ends_with("-3.pnt") ? 49 : 199, 3), 1);
    }
    if (run.completion.empty()) {
      EXPECT_TRUE(controls.shown.empty());
      EXPECT_FALSE(controls.endResult);
    } else {
      EXPECT_EQ(controls.shown, (std::vector<Shown>{{run.completion, "終了", message_style::ok}}));
      EXPECT_EQ(controls.endResult, dialogResultOk);
    }
  }
}

// Ticking "add to the existing file" writes the card's points first, slot for slot.
TEST_F(ConversionRunTest, AddingToTheCardKeepsItsSlotsAsTheyStood) {
  files.files["card.csv"] = CsvRows(2);
  SetPaths("card.csv", "card.pnt");
  Press();
  const std::string card = files.files.at("card.pnt");
  files.files["new.csv"] = "name,lat,lon\nNew,35,139\n";
  controls.review = [](PointReview& review) {
    review.SetAppending(true);
    return true;
  };
  clock.now.second += 1;
  SetPaths("new.csv", "card.pnt");
  Press();
  const std::string& written = files.files.at("card.pnt");
  EXPECT_EQ(written.substr(48, 2 * 256), card.substr(48, 2 * 256));
  EXPECT_EQ(SlotByte(written, 2, 3), 1);
}

// The window notes every change beside its point, with the name as the file gives it, so no
// report box comes before the completion; a list made for the unit never opens the window.
TEST_F(ConversionRunTest, ChangesAreNotedInTheWindowAndAPmfListIsConvertedAsAlways) {
  files.files["many.csv"] = Utf8(u8"name,lat,lon\nCafé 😀,35,139\n");
  std::string original;
  std::string note;
  controls.review = [&](PointReview& review) {
    original = review.Cell(0, ReviewColumn::OriginalName);
    note = review.Cell(0, ReviewColumn::Note);
    return true;
  };
  SetPaths("many.csv", "many.pnt");
  Press();
  EXPECT_EQ(original, Utf8(u8"Caf\u00E9 \U0001F600"));
  EXPECT_EQ(note, Utf8(u8"ナビで表示できない文字 \U0001F600 を 〓 にしました / "
                       u8"アクセント付きの文字 \u00E9 をアクセントなしの文字にしました"));
  ASSERT_EQ(controls.shown.size(), 1u);
  EXPECT_EQ(controls.shown[0].caption, "終了");

  files.files["tour.pmf"] = PointLines(3);
  SetPaths("tour.pmf", "tour.pnt");
  Press();
  EXPECT_EQ(std::count(controls.calls.begin(), controls.calls.end(), "review"), 1);
  EXPECT_TRUE(files.files.contains("tour.pnt"));
}

TEST_F(ConversionRunTest, AListWithNothingToConvertShowsWhatWasSkipped) {
  files.files["none.csv"] = "name,lat,lon\nA,north,139\n";
  SetPaths("none.csv", "none.pnt");
  Press();
  ASSERT_EQ(controls.shown.size(), 2u);
  EXPECT_EQ(controls.shown[0].text, "ファイル none.csv に変換できる地点がありません");
  EXPECT_EQ(controls.shown[1].text,
            "変換の際に次の 1 件がありました。\n\n"
            "2 行目「A」: 緯度・経度が読み取れないため、変換しませんでした");
  EXPECT_FALSE(controls.endResult);
}

TEST(CompletionTextTest, ALongListOfWrittenFilesEndsInACountOfTheRest) {
  ConversionResult result;
  for (int i = 1; i <= 25; ++i) {
    result.written.push_back({"C:\\d\\t-" + std::to_string(i) + ".pnt", 200});
  }
  result.pointCount = result.writtenCount = 5000;
  const std::string text = CompletionText(result);
  EXPECT_EQ(text.rfind("変換が終了しました。\n5000 地点を次の 25 つのファイルに書き込みました。\n"
                       "t-1.pnt (200 地点)\n",
                       0),
            0u);
  EXPECT_TRUE(text.ends_with("\nt-20.pnt (200 地点)\nほか 5 件\nOKボタンを押して下さい。")) << text;
}

}  // namespace
}  // namespace pinmover
