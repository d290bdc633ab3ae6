#include <gtest/gtest.h>

#include "ui/dialog/converter_dialog.h"
#include "tests/fakes/fake_dialog.h"

namespace pinmover {
namespace {

using Calls = std::vector<std::string>;
using Shown = testing::RecordingMessageBox::Shown;

class FileChoiceTest : public ::testing::Test, protected testing::FakeDialog {
 protected:
  void SetUp() override {
    dialog.Initialise("", "C:\\work");
    controls.calls.clear();
  }
  std::string Field(DialogField field) { return controls.fields[field]; }

};

TEST_F(FileChoiceTest, InputDialogAsksForAPointList) {
  controls.fileChoices = {std::nullopt};
  dialog.BrowseInputFile();
  ASSERT_EQ(controls.fileDialogs.size(), 1u);
  const FileDialogRequest& request = controls.fileDialogs[0];
  EXPECT_EQ(request.kind, FileDialogRequest::Kind::Open);
  EXPECT_EQ(request.title, "入力 ファイル指定");
  EXPECT_EQ(request.filter,
            "地点リスト (*.pmf)|*.pmf|"
            "地図アプリの地点 (*.gpx;*.kml;*.kmz;*.geojson;*.json;*.csv)|"
            "*.gpx;*.kml;*.kmz;*.geojson;*.json;*.csv|ナビの地点ファイル (*.pnt)|*.pnt|"
            "対応するすべてのファイル (*.pmf;*.gpx;*.kml;*.kmz;*.geojson;*.json;*.csv;*.pnt)|"
            "*.pmf;*.gpx;*.kml;*.kmz;*.geojson;*.json;*.csv;*.pnt|すべてのファイル (*.*)|*.*||");
  EXPECT_EQ(request.defaultExtension, "pmf");
  EXPECT_EQ(request.initialFolder, "C:\\work");
  EXPECT_EQ(request.flags, 6u);
  EXPECT_EQ(controls.calls, (Calls{"file dialog 入力 ファイル指定", "select input", "focus input"}));
}

TEST_F(FileChoiceTest, ChosenInputDerivesTheOutputEvenForAnotherType) {
  controls.fileChoices = {"C:\\data\\x.txt"};
  dialog.BrowseInputFile();
  EXPECT_EQ(Field(DialogField::InputPath), "C:\\data\\x.txt");
  EXPECT_EQ(Field(DialogField::OutputPath), "C:\\data\\x.pnt");
  EXPECT_EQ(dialog.inputFolder, "C:\\data\\");
  EXPECT_EQ(dialog.outputFolder, "C:\\data\\");
  EXPECT_EQ(controls.calls.back(), "select output");
  EXPECT_EQ(controls.calls[controls.calls.size() - 2], "focus output");
}

TEST_F(FileChoiceTest, OutputDialogAndItsFolderComeFromTheStoredInput) {
  controls.fileChoices = {"C:\\data\\tour.pmf", "D:\\maps\\mine.pnt"};
  dialog.BrowseInputFile();
  controls.fields[DialogField::InputPath] = "E:\\typed\\other.pmf";  // typed, not yet taken
  dialog.BrowseOutputFile();
  const FileDialogRequest& request = controls.fileDialogs[1];
  EXPECT_EQ(request.kind, FileDialogRequest::Kind::Save);
  EXPECT_EQ(request.title, "出力 ファイル指定");
  EXPECT_EQ(request.filter, "出力 ファイル (*.pnt)|*.pnt|すべてのファイル (*.*)|*.*||");
  EXPECT_EQ(request.defaultExtension, "pnt");
  EXPECT_EQ(request.initialFolder, "C:\\data\\");
  EXPECT_EQ(request.flags, 0x806u);
  EXPECT_EQ(Field(DialogField::InputPath), "C:\\data\\tour.pmf") << "the stored input returns";
  EXPECT_EQ(Field(DialogField::OutputPath), "D:\\maps\\mine.pnt");
  EXPECT_EQ(dialog.outputFolder, "C:\\data\\");
  EXPECT_EQ(dialog.inputFolder, "C:\\data\\");
}

TEST_F(FileChoiceTest, OutputChosenBeforeAnyInputEmptiesItsFolder) {
  controls.fileChoices = {"D:\\maps\\mine.pnt", std::nullopt};
  dialog.BrowseOutputFile();
  EXPECT_EQ(dialog.outputFolder, "");
  dialog.BrowseOutputFile();
  EXPECT_EQ(controls.fileDialogs[1].initialFolder, "");
  EXPECT_EQ(Field(DialogField::OutputPath), "D:\\maps\\mine.pnt") << "cancel changes nothing";
  EXPECT_EQ(controls.calls.back(), "select output");
}

TEST_F(FileChoiceTest, DroppedPointListIsTakenAndTheFocusStays) {
  dialog.AcceptDroppedFiles({"C:\\data\\tour.PMF"});
  EXPECT_EQ(Field(DialogField::InputPath), "C:\\data\\tour.PMF");
  EXPECT_EQ(Field(DialogField::OutputPath), "C:\\data\\tour.pnt");
  EXPECT_EQ(dialog.inputFolder, "C:\\data\\");
  EXPECT_EQ(dialog.outputFolder, "C:\\data\\");
  EXPECT_EQ(controls.calls, (Calls{"text input", "text output"}));
}

TEST_F(FileChoiceTest, DroppedMapAppFilesAreTakenInAnyCase) {
  for (const char* name : {"C:\\m\\a.gpx", "C:\\m\\a.KML", "C:\\m\\a.GeoJSON", "C:\\m\\a.json",
                           "C:\\m\\a.Csv", "C:\\m\\a.kmz"}) {
    dialog.AcceptDroppedFiles({name});
    EXPECT_EQ(Field(DialogField::InputPath), name);
    EXPECT_EQ(Field(DialogField::OutputPath), "C:\\m\\a.pnt");
  }
  EXPECT_TRUE(controls.shown.empty());
}

TEST_F(FileChoiceTest, OnlyTheLastDroppedFileCounts) {
  dialog.AcceptDroppedFiles({"C:\\a.pmf", "C:\\b.txt", "C:\\c.pmf"});
  EXPECT_EQ(Field(DialogField::InputPath), "C:\\c.pmf");
  dialog.AcceptDroppedFiles({"C:\\a.pmf", "C:\\b.txt"});
  EXPECT_EQ(Field(DialogField::InputPath), "C:\\c.pmf") << "refused drop keeps the fields";
  EXPECT_EQ(controls.shown.size(), 1u);
}

TEST_F(FileChoiceTest, WrongTypesAreRefusedWithTheMessage) {
  const Shown refusal{"入力ファイルのファイルタイプが違います。\n拡張子[.pmf]のファイルを選択して下さい。",
                      "Error", 0x30};
  for (const char* name : {"C:\\data\\folder", "C:\\data\\readme", "C:\\a,b\\tour.pmf"}) {
    controls.shown.clear();
    dialog.AcceptDroppedFiles({name});
    EXPECT_EQ(controls.shown, std::vector<Shown>{refusal}) << name;
  }
  dialog.AcceptDroppedFiles({});
  EXPECT_EQ(controls.shown.size(), 2u) << "an empty drop is refused too";
  EXPECT_EQ(dialog.inputPath, "");
}

TEST_F(FileChoiceTest, OutputBrowsedAfterARefusedDropShowsTheRefusedName) {
  dialog.AcceptDroppedFiles({"C:\\a,b\\tour.pmf"});
  controls.fileChoices = {"C:\\out\\x.pnt"};
  dialog.BrowseOutputFile();
  EXPECT_EQ(Field(DialogField::InputPath), "C:\\a");
  EXPECT_EQ(Field(DialogField::OutputPath), "C:\\out\\x.pnt");
  EXPECT_EQ(dialog.outputFolder, "C:\\");
}

}  // namespace
}  // namespace pinmover
