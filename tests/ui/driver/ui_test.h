#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "tests/ui/driver/program_under_test.h"

namespace pinmover::testing {

// Each test gets a folder of its own in Wine's temporary folder, the program's current folder.
class UiTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  static const std::wstring& Executable();
  std::wstring InFolder(const std::wstring& name) const { return folder + L"\\" + name; }
  // A point list of three points with Japanese names, written as tour.pmf in the folder.
  std::wstring InputFile() const;
  // A file of these bytes in the folder; its path.
  std::wstring WriteInFolder(const std::wstring& name, std::string_view bytes) const;
  static std::wstring Quoted(const std::wstring& path) { return L"\"" + path + L"\""; }
  static std::string Sjis(const std::wstring& text);

  std::wstring folder;
};

// Waits for the message box the program shows next, checks its caption and text and answers
// it with the button given.
void ExpectMessageAndAnswer(ProgramUnderTest& program, const std::wstring& caption,
                            const std::wstring& text, int button = IDOK);

inline constexpr wchar_t inputTitle[] = L"入力 ファイル指定";
inline constexpr wchar_t outputTitle[] = L"出力 ファイル指定";

// Types a name into the open file dialog of this title and confirms it, as a user would.
void Choose(ProgramUnderTest& program, const wchar_t* title, const std::wstring& name);
void Cancel(ProgramUnderTest& program, const wchar_t* title);

// The program under test, as the driver's command line names it.
void SetExecutable(std::wstring path);

}  // namespace pinmover::testing
