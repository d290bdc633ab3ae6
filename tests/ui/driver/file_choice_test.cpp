#include <windows.h>

#include <gtest/gtest.h>

#include "tests/ui/driver/program_under_test.h"
#include "tests/ui/driver/ui_test.h"
#include "ui/resource_ids.h"

namespace pinmover::testing {
namespace {

using FileChoiceTest = UiTest;

void MakeFile(const std::wstring& path) {
  ::CloseHandle(::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
}

// A relative name typed into a file dialog lands in the folder the dialog opened in, so the
// chosen path shows that folder.
TEST_F(FileChoiceTest, AnyChosenInputDerivesTheOutputAndMovesTheFocusThere) {
  MakeFile(InFolder(L"x.txt"));
  ProgramUnderTest program(Executable(), L"", folder);
  HWND dialog = program.MainDialog();
  ASSERT_NE(dialog, nullptr);
  program.Click(dialog, IDC_BROWSE_INPUT);
  Choose(program, inputTitle, L"x.txt");
  program.FindOwned();
  EXPECT_EQ(Text(program.Control(IDC_INPUT_PATH)), InFolder(L"x.txt"));
  EXPECT_EQ(Text(program.Control(IDC_OUTPUT_PATH)), InFolder(L"x.pnt"));
  EXPECT_EQ(program.Focus(), program.Control(IDC_OUTPUT_PATH));
  EXPECT_TRUE(WholeTextSelected(program.Control(IDC_OUTPUT_PATH)));
}

TEST_F(FileChoiceTest, ACancelledInputDialogChangesNothingAndFocusesTheInput) {
  ProgramUnderTest program(Executable(), Quoted(InputFile()), folder);
  HWND dialog = program.MainDialog();
  ASSERT_NE(dialog, nullptr);
  ::SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(program.Control(IDC_OUTPUT_PATH)),
                 TRUE);
  program.Click(dialog, IDC_BROWSE_INPUT);
  Cancel(program, inputTitle);
  program.FindOwned();
  EXPECT_EQ(Text(program.Control(IDC_INPUT_PATH)), InputFile());
  EXPECT_EQ(Text(program.Control(IDC_OUTPUT_PATH)), InFolder(L"tour.pnt"));
  EXPECT_EQ(program.Focus(), program.Control(IDC_INPUT_PATH));
  EXPECT_TRUE(WholeTextSelected(program.Control(IDC_INPUT_PATH)));
}

TEST_F(FileChoiceTest, TheOutputDialogOpensBesideTheStoredInput) {
  std::wstring input = InputFile();
  ASSERT_TRUE(::CreateDirectoryW(InFolder(L"sub").c_str(), nullptr));
  ProgramUnderTest program(Executable(), Quoted(input), folder);
  HWND dialog = program.MainDialog();
  ASSERT_NE(dialog, nullptr);
  // Typed but never stored: the output dialog brings back the stored input path.
  Type(program.Control(IDC_INPUT_PATH), L"C:\\elsewhere\\new.pmf");

  program.Click(dialog, IDC_BROWSE_OUTPUT);
  Choose(program, outputTitle, L"sub\\mine.pnt");
  program.FindOwned();
  EXPECT_EQ(Text(program.Control(IDC_INPUT_PATH)), input);
  EXPECT_EQ(Text(program.Control(IDC_OUTPUT_PATH)), InFolder(L"sub\\mine.pnt"));
  EXPECT_EQ(program.Focus(), program.Control(IDC_OUTPUT_PATH));

  // The next output dialog opens in the input's folder, not in the chosen output's.
  program.Click(dialog, IDC_BROWSE_OUTPUT);
  Choose(program, outputTitle, L"again");
  program.FindOwned();
  EXPECT_EQ(Text(program.Control(IDC_OUTPUT_PATH)), InFolder(L"again.pnt"));

  program.Click(dialog, IDC_BROWSE_OUTPUT);
  Cancel(program, outputTitle);
  program.FindOwned();
  EXPECT_EQ(Text(program.Control(IDC_OUTPUT_PATH)), InFolder(L"again.pnt"));
  EXPECT_EQ(program.Focus(), program.Control(IDC_OUTPUT_PATH));
  EXPECT_TRUE(WholeTextSelected(program.Control(IDC_OUTPUT_PATH)));
}

}  // namespace
}  // namespace pinmover::testing
