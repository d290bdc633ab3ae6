#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

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
// The same for a message box over another window of the program's.
void ExpectMessageOverAndAnswer(ProgramUnderTest& program, HWND owner, const std::wstring& caption,
                                const std::wstring& text, int button = IDOK);

inline constexpr wchar_t reviewTitle[] = L"地点の確認";

// Waits for the point list window, presses 書き込む in it as a user would, and waits until it
// has closed.
void WriteFromReview(ProgramUnderTest& program);

// UTF-8 text from a u8 literal, the sources' narrow literals being Shift-JIS.
inline std::string Utf8(const char8_t* text) { return reinterpret_cast<const char*>(text); }
// A GPX file of waypoints (UTF-8) named P1, P2, … unless names are given, 0.001° apart: a
// thousand to the north, then the next thousand east of them.
std::string Gpx(int count, const std::vector<std::string>& names = {});

inline constexpr wchar_t inputTitle[] = L"入力 ファイル指定";
inline constexpr wchar_t outputTitle[] = L"出力 ファイル指定";

// Types a name into the open file dialog of this title and confirms it, as a user would.
void Choose(ProgramUnderTest& program, const wchar_t* title, const std::wstring& name);
// The same for a file dialog over another window of the program's.
void ChooseOver(ProgramUnderTest& program, HWND owner, const wchar_t* title,
                const std::wstring& name);
void Cancel(ProgramUnderTest& program, const wchar_t* title);

// The program under test, as the driver's command line names it.
void SetExecutable(std::wstring path);

}  // namespace pinmover::testing
