#include <gtest/gtest.h>

#include "ui/dialog/converter_dialog.h"
#include "unitfile/voice_guidance_table.h"
#include "tests/fakes/fake_dialog.h"

namespace pinmover {
namespace {

using testing::FakeDialogControls;

class DialogInitialisationTest : public ::testing::Test, protected testing::FakeDialog {
 protected:
  void Start(const std::string& argumentText, const std::string& currentDirectory = "C:\\work") {
    dialog.Initialise(argumentText, currentDirectory);
  }
  std::string Field(DialogField field) { return controls.fields[field]; }

};

TEST_F(DialogInitialisationTest, WithoutArgumentsTheFieldsAreEmptyAndTheFocusIsOnTheInput) {
  Start("");
  EXPECT_EQ(controls.captions[DialogCaption::Window], "pinmover");
  EXPECT_EQ(controls.captions[DialogCaption::InputGroup], "入力　ファイル名（.pmf）");
  EXPECT_EQ(controls.captions[DialogCaption::OutputGroup], "出力　ファイル名（.pnt）");
  EXPECT_EQ(controls.captions[DialogCaption::DatumStatus], "測地系: 日本測地系 (Tokyo)");
  EXPECT_EQ(controls.checkedDatum, Datum::Tokyo);
  EXPECT_EQ(Field(DialogField::InputPath), "");
  EXPECT_EQ(Field(DialogField::OutputPath), "");
  EXPECT_EQ(Field(DialogField::Voice), "音声無し");
  EXPECT_EQ(Field(DialogField::IconNumber), "1");
  EXPECT_EQ(dialog.inputFolder, "C:\\work");
  EXPECT_EQ(dialog.outputFolder, "C:\\work");
  EXPECT_EQ(controls.calls.back(), "navigate input");
}

TEST_F(DialogInitialisationTest, VoiceListAndSpinRange) {
  Start("");
  ASSERT_EQ(controls.voiceEntries.size(), voiceGuidanceTable.size());
  for (std::size_t i = 0; i < voiceGuidanceTable.size(); ++i) {
    EXPECT_EQ(controls.voiceEntries[i], voiceGuidanceTable[i].text);
  }
  EXPECT_EQ(controls.voiceSelection, 0);
  EXPECT_EQ(controls.spinLowest, 1);
  EXPECT_EQ(controls.spinHighest, 180);
  EXPECT_EQ(controls.iconPosition, 1);
}

TEST_F(DialogInitialisationTest, ArgumentTextGivesTheInputPathOnly) {
  struct Case {
    const char* argumentText;
    const char* input;
    const char* output;
  };
  for (const Case& c : {
           Case{"\"C:\\data\\tour.pmf\"", "C:\\data\\tour.pmf", "C:\\data\\tour.pnt"},
           Case{"C:\\a.pmf,C:\\b.pnt", "C:\\a.pmf", "C:\\a.pnt"},
           Case{"C:\\a.pmf\tC:\\b.pnt", "C:\\a.pmf", "C:\\a.pnt"},
           Case{"C:\\x,y\\tour.pmf", "C:\\x", "C:\\x.pnt"},
           Case{"C:\\say\"hi\".pmf", "C:\\say", "C:\\say.pnt"},
           Case{"C:\\my data\\tour.pmf  ", "C:\\my data\\tour.pmf  ", "C:\\my data\\tour.pnt"},
       }) {
    controls = FakeDialogControls{};
    Start(c.argumentText);
    EXPECT_EQ(Field(DialogField::InputPath), c.input) << c.argumentText;
    EXPECT_EQ(Field(DialogField::OutputPath), c.output) << c.argumentText;
    EXPECT_NE(controls.calls.back(), "navigate input") << "the platform places the focus";
  }
  EXPECT_EQ(dialog.inputFolder, "C:\\my data\\");
  EXPECT_EQ(dialog.outputFolder, "C:\\my data\\");
}

TEST_F(DialogInitialisationTest, OnlyDelimitersAreNoArgument) {
  Start("\"\"");
  EXPECT_EQ(Field(DialogField::InputPath), "");
  EXPECT_EQ(dialog.inputFolder, "C:\\work");
  EXPECT_EQ(controls.calls.back(), "navigate input");
}

TEST_F(DialogInitialisationTest, OverLongWorkingDirectoryLeavesTheFoldersEmpty) {
  Start("", "C:\\" + std::string(257, 'd'));
  EXPECT_EQ(dialog.inputFolder, "");
  EXPECT_EQ(dialog.outputFolder, "");
}

}  // namespace
}  // namespace pinmover
