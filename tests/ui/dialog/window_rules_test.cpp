#include "ui/dialog/window_rules.h"

#include <gtest/gtest.h>

#include "ui/dialog/file_dialog_filter.h"

namespace pinmover {
namespace {

TEST(ArgumentText, FollowsTheProgramNameAndItsBlanks) {
  struct Case {
    const wchar_t* commandLine;
    const wchar_t* argumentText;
  };
  for (const Case& c : {
           Case{L"pinmover.exe", L""},
           Case{L"pinmover.exe   ", L""},
           Case{L"C:\\bin\\pinmover.exe C:\\data\\tour.pmf", L"C:\\data\\tour.pmf"},
           Case{L"\"C:\\my bin\\pinmover.exe\" \"C:\\my data\\tour.pmf\"",
                L"\"C:\\my data\\tour.pmf\""},
           Case{L"\"C:\\my bin\\pinmover.exe\"C:\\x.pmf", L"C:\\x.pmf"},
           Case{L"pinmover.exe \t\r\n C:\\my data\\tour.pmf  ", L"C:\\my data\\tour.pmf  "},
           Case{L"\"C:\\unclosed quote\\pinmover.exe C:\\x.pmf", L""},
           Case{L"", L""},
       }) {
    EXPECT_EQ(ArgumentText(c.commandLine), c.argumentText) << c.commandLine;
  }
}

TEST(VersionCommand, IsSixteenWhateverItsLowBits) {
  for (unsigned id = 16; id <= 31; ++id) EXPECT_TRUE(IsVersionCommand(id)) << id;
  for (unsigned id : {0u, 15u, 32u, 0xF020u /* minimise */, 0xF060u /* close */, 0xF010u}) {
    EXPECT_FALSE(IsVersionCommand(id)) << id;
  }
}

TEST(MinimisedIcon, IsCentredAndNeverStartsLeftOfTheClientArea) {
  EXPECT_EQ(MinimisedIconOrigin(36, 36, 32, 32), (IconOrigin{2, 2}));
  EXPECT_EQ(MinimisedIconOrigin(30, 30, 32, 32), (IconOrigin{0, 0}));
  EXPECT_EQ(MinimisedIconOrigin(37, 20, 32, 16), (IconOrigin{3, 2}));
}

TEST(ApplicationName, IsTheExecutablesNameWithoutExtension) {
  EXPECT_EQ(ApplicationNameOf("C:\\Program Files\\pinmover\\pinmover.exe"), "pinmover");
  EXPECT_EQ(ApplicationNameOf("Z:\\tmp\\地点変換.exe"), "地点変換");
  EXPECT_EQ(ApplicationNameOf("C:\\tools\\my.pinmover.EXE"), "my.pinmover");
}

TEST(FileDialogFilter, BarsBecomeNulsAfterTheConversion) {
  // The second byte of "ポ" in Shift-JIS is 0x7C, the code of the bar.
  std::optional<std::u16string> filter = FileDialogFilter("ポイント (*.pmf)|*.pmf||");
  ASSERT_TRUE(filter);
  EXPECT_EQ(*filter, std::u16string(u"ポイント (*.pmf)\0*.pmf\0\0", 20));
}

}  // namespace
}  // namespace pinmover
