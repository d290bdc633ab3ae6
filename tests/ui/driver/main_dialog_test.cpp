#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "wording/file_error_texts.h"
#include "platform/win32/wide_text.h"
#include "tests/ui/driver/expected_image.h"
#include "tests/ui/driver/program_under_test.h"
#include "tests/ui/driver/ui_test.h"
#include "ui/resource_ids.h"

namespace pinmover::testing {
namespace {

using MainDialogTest = UiTest;

TEST_F(MainDialogTest, StartsWithoutArgumentReadyForAnInputPath) {
  ProgramUnderTest program(Executable(), L"", folder);
  HWND dialog = program.MainDialog();
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(Text(dialog), L"pinmover");
  EXPECT_EQ(Text(program.Control(IDC_INPUT_GROUP)), L"入力　ファイル名（.pmf）");
  EXPECT_EQ(Text(program.Control(IDC_OUTPUT_GROUP)), L"出力　ファイル名（.pnt）");
  EXPECT_EQ(Text(program.Control(IDC_INPUT_PATH)), L"");
  EXPECT_EQ(Text(program.Control(IDC_OUTPUT_PATH)), L"");
  EXPECT_EQ(Text(program.Control(IDC_VOICE)), L"音声無し");
  EXPECT_EQ(::SendMessageW(program.Control(IDC_VOICE), CB_GETCOUNT, 0, 0), 17);
  EXPECT_EQ(Text(program.Control(IDC_ICON_NUMBER)), L"1");
  EXPECT_EQ(program.Focus(), program.Control(IDC_INPUT_PATH));
}

TEST_F(MainDialogTest, StartsWithAQuotedPathAndDerivesTheOutput) {
  ProgramUnderTest program(Executable(), L"\"" + InFolder(L"my tour.pmf") + L"\",second.pmf",
                           folder);
  ASSERT_NE(program.MainDialog(), nullptr);
  EXPECT_EQ(Text(program.Control(IDC_INPUT_PATH)), InFolder(L"my tour.pmf"));
  EXPECT_EQ(Text(program.Control(IDC_OUTPUT_PATH)), InFolder(L"my tour.pnt"));
}

TEST_F(MainDialogTest, ConvertsWithTheChosenIconAndVoiceThenEnds) {
  std::wstring input = InputFile();
  ProgramUnderTest program(Executable(), Quoted(input), folder);
  HWND dialog = program.MainDialog();
  ASSERT_NE(dialog, nullptr);
  ::SendMessageW(program.Control(IDC_ICON_SPIN), UDM_SETPOS32, 0, 7);
  ::SendMessageW(program.Control(IDC_VOICE), CB_SETCURSEL, 2, 0);
  EXPECT_EQ(Text(program.Control(IDC_ICON_NUMBER)), L"7");
  EXPECT_EQ(Text(program.Control(IDC_VOICE)), L"チャイム");

  program.Click(dialog, IDOK);
  ExpectMessageAndAnswer(program, L"終了", L"変換が終了しました。\nOKボタンを押して下さい。");
  ASSERT_TRUE(program.WaitForExit());

  std::vector<char> written = FileBytes(InFolder(L"tour.pnt"));
  ASSERT_EQ(written.size(), 64048u);
  std::vector<char> expected = ExpectedPointFile(Sjis(input), written, 7, 2,
                                                 Sjis(InFolder(L"expected.pnt")));
  EXPECT_TRUE(written == expected) << "the program's file differs from the core's image";
}

TEST_F(MainDialogTest, AWrongInputExtensionOnlyMovesTheFocus) {
  ProgramUnderTest program(Executable(), L"", folder);
  HWND dialog = program.MainDialog();
  ASSERT_NE(dialog, nullptr);
  HWND input = program.Control(IDC_INPUT_PATH);
  Type(input, InFolder(L"tour.txt"));
  ::SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(program.Control(IDC_OUTPUT_PATH)),
                 TRUE);
  ASSERT_EQ(program.Focus(), program.Control(IDC_OUTPUT_PATH));
  program.ClickAndWait(dialog, IDOK);
  EXPECT_EQ(program.FindOwned(), nullptr);
  EXPECT_EQ(program.Focus(), input);
  EXPECT_TRUE(WholeTextSelected(input));
  EXPECT_EQ(Text(input), InFolder(L"tour.txt"));
}

TEST_F(MainDialogTest, AWrongOutputExtensionIsReplacedByTheDerivedPath) {
  ProgramUnderTest program(Executable(), Quoted(InputFile()), folder);
  HWND dialog = program.MainDialog();
  ASSERT_NE(dialog, nullptr);
  HWND output = program.Control(IDC_OUTPUT_PATH);
  Type(output, InFolder(L"out.dat"));
  program.ClickAndWait(dialog, IDOK);
  EXPECT_EQ(program.FindOwned(), nullptr);
  EXPECT_EQ(Text(output), InFolder(L"tour.pnt"));
  EXPECT_EQ(program.Focus(), output);
  EXPECT_TRUE(WholeTextSelected(output));
  EXPECT_TRUE(FileBytes(InFolder(L"tour.pnt")).empty()) << "nothing is converted yet";
}

TEST_F(MainDialogTest, AMissingInputFileGivesTwoMessagesAndKeepsTheDialog) {
  std::wstring missing = InFolder(L"missing.pmf");
  ProgramUnderTest program(Executable(), Quoted(missing), folder);
  HWND dialog = program.MainDialog();
  ASSERT_NE(dialog, nullptr);
  program.Click(dialog, IDOK);

  ExpectMessageAndAnswer(program, L"pinmover", L"ファイルが見つかりませんでした。");
  ExpectMessageAndAnswer(program, L"ERROR", L"ファイル " + missing + L" の読み込みに失敗しました");

  EXPECT_EQ(program.FindOwned(), nullptr);
  EXPECT_EQ(Text(program.Control(IDC_INPUT_PATH)), missing);
  EXPECT_EQ(Text(program.Control(IDC_OUTPUT_PATH)), InFolder(L"missing.pnt"));
}

TEST_F(MainDialogTest, AnOutputFolderThatDoesNotExistIsReportedAndNothingCompletes) {
  ProgramUnderTest program(Executable(), Quoted(InputFile()), folder);
  HWND dialog = program.MainDialog();
  ASSERT_NE(dialog, nullptr);
  std::wstring output = InFolder(L"nowhere\\out.pnt");
  Type(program.Control(IDC_OUTPUT_PATH), output);
  program.Click(dialog, IDOK);

  ExpectMessageAndAnswer(
      program, L"pinmover",
      WideFromSjis(OpenFailureMessage(FileErrorCause::BadPath, Sjis(output))).value_or(L"?"));

  EXPECT_EQ(program.FindOwned(), nullptr) << "no completion message";
  EXPECT_TRUE(::IsWindowVisible(dialog));
  EXPECT_EQ(program.Focus(), program.Control(IDC_OUTPUT_PATH));
}

void ExpectVersionBox(ProgramUnderTest& program) {
  HWND box = program.WaitForOwnedWindow(L"pinmoverのﾊﾞｰｼﾞｮﾝ情報");
  ASSERT_NE(box, nullptr);
  EXPECT_NE(::FindWindowExW(box, nullptr, L"Static", L"pinmover Version 1.1"), nullptr);
  EXPECT_FALSE(::IsWindowEnabled(program.MainDialog())) << "the version box is modal";
  program.Click(box, IDOK);
  ASSERT_TRUE(program.WaitUntilClosed(box));
  EXPECT_TRUE(::IsWindowEnabled(program.MainDialog()));
}

TEST_F(MainDialogTest, TheHelpMenuShowsTheVersionBox) {
  ProgramUnderTest program(Executable(), L"", folder);
  HWND dialog = program.MainDialog();
  ASSERT_NE(dialog, nullptr);
  ::PostMessageW(dialog, WM_COMMAND, ID_HELP_VERSION, 0);
  ExpectVersionBox(program);
}

TEST_F(MainDialogTest, TheSystemMenuItemShowsTheVersionBox) {
  ProgramUnderTest program(Executable(), L"", folder);
  HWND dialog = program.MainDialog();
  ASSERT_NE(dialog, nullptr);
  ::PostMessageW(dialog, WM_SYSCOMMAND, IDM_ABOUT_BOX, 0);
  ExpectVersionBox(program);
}

}  // namespace
}  // namespace pinmover::testing
