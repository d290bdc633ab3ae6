#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "tests/ui/driver/expected_image.h"
#include "tests/ui/driver/program_under_test.h"
#include "tests/ui/driver/remote_memory.h"
#include "tests/ui/driver/ui_test.h"
#include "ui/resource_ids.h"

namespace pinmover::testing {
namespace {

using DropTest = UiTest;

// Posted, as the system delivers a drop: the message box a refused drop shows must not block us.
void Drop(ProgramUnderTest& program, const RemoteDrop& drop) {
  ::PostMessageW(program.MainDialog(), WM_DROPFILES, reinterpret_cast<WPARAM>(drop.Handle()), 0);
}

// Sent, for a drop that shows nothing: it returns once the program has handled the drop.
void DropAndWait(ProgramUnderTest& program, const RemoteDrop& drop) {
  DWORD_PTR result = 0;
  ::SendMessageTimeoutW(program.MainDialog(), WM_DROPFILES,
                        reinterpret_cast<WPARAM>(drop.Handle()), 0, SMTO_NORMAL, 5000, &result);
}

TEST_F(DropTest, TheLastOfSeveralDroppedFilesCountsAndTheFocusStays) {
  ProgramUnderTest program(Executable(), L"", folder);
  HWND dialog = program.MainDialog();
  ASSERT_NE(dialog, nullptr);
  ASSERT_TRUE(::CreateDirectoryW(InFolder(L"sub").c_str(), nullptr));
  RemoteDrop drop(program.Process(),
                  {InFolder(L"a.pmf"), InFolder(L"readme"), InFolder(L"sub\\tour.PMF")});
  ASSERT_NE(drop.Handle(), nullptr);
  DropAndWait(program, drop);
  EXPECT_EQ(program.FindOwned(), nullptr);
  EXPECT_EQ(Text(program.Control(IDC_INPUT_PATH)), InFolder(L"sub\\tour.PMF"));
  EXPECT_EQ(Text(program.Control(IDC_OUTPUT_PATH)), InFolder(L"sub\\tour.pnt"));
  EXPECT_EQ(program.Focus(), program.Control(IDC_INPUT_PATH));

  // Both folders moved to the dropped file's folder.
  program.Click(dialog, IDC_BROWSE_OUTPUT);
  Choose(program, outputTitle, L"z");
  program.FindOwned();
  EXPECT_EQ(Text(program.Control(IDC_OUTPUT_PATH)), InFolder(L"sub\\z.pnt"));
}

TEST_F(DropTest, AFolderIsRefusedWithTheWrongTypeMessage) {
  ProgramUnderTest program(Executable(), Quoted(InputFile()), folder);
  HWND dialog = program.MainDialog();
  ASSERT_NE(dialog, nullptr);
  RemoteDrop drop(program.Process(), {folder});
  ASSERT_NE(drop.Handle(), nullptr);
  Drop(program, drop);

  ExpectMessageAndAnswer(
      program, L"Error",
      L"入力ファイルのファイルタイプが違います。\n拡張子[.pmf]のファイルを選択して下さい。");
  EXPECT_EQ(program.FindOwned(), nullptr);
  EXPECT_EQ(Text(program.Control(IDC_INPUT_PATH)), InputFile());
  EXPECT_EQ(Text(program.Control(IDC_OUTPUT_PATH)), InFolder(L"tour.pnt"));
}

// As a phone app exports it: GPX 1.1, extensions, a name in CDATA, a point without a name.
constexpr char8_t phoneAppGpx[] =
    u8"<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    u8"<gpx version=\"1.1\" creator=\"Maps\" xmlns=\"http://www.topografix.com/GPX/1/1\">\n"
    u8"<wpt lat=\"35.658611\" lon=\"139.745333\"><name>東京タワー</name>"
    u8"<extensions><color>red</color></extensions></wpt>\n"
    u8"<wpt lat=\"35.710063\" lon=\"139.810700\"><name><![CDATA[スカイツリー & 展望台]]></name>"
    u8"</wpt>\n"
    u8"<wpt lat=\"34.687315\" lon=\"135.526201\"></wpt>\n"
    u8"</gpx>\n";

TEST_F(DropTest, ADroppedGpxFileIsTakenAndConvertedAsTheCoreConvertsIt) {
  std::wstring input = WriteInFolder(L"Drive.GPX", reinterpret_cast<const char*>(phoneAppGpx));
  ProgramUnderTest program(Executable(), L"", folder);
  HWND dialog = program.MainDialog();
  ASSERT_NE(dialog, nullptr);
  RemoteDrop drop(program.Process(), {input});
  ASSERT_NE(drop.Handle(), nullptr);
  DropAndWait(program, drop);
  EXPECT_EQ(program.FindOwned(), nullptr);
  EXPECT_EQ(Text(program.Control(IDC_INPUT_PATH)), input);
  EXPECT_EQ(Text(program.Control(IDC_OUTPUT_PATH)), InFolder(L"Drive.pnt"));

  program.Click(dialog, IDOK);
  WriteFromReview(program);
  ExpectMessageAndAnswer(program, L"終了", L"変換が終了しました。\nOKボタンを押して下さい。");
  ASSERT_TRUE(program.WaitForExit());
  std::vector<char> written = FileBytes(InFolder(L"Drive.pnt"));
  ASSERT_EQ(written.size(), 64048u);
  EXPECT_TRUE(written == ExpectedPointFile(Sjis(input), written, 1, 0,
                                           Sjis(InFolder(L"expected.pnt"))))
      << "the program's file differs from the core's image";
}

}  // namespace
}  // namespace pinmover::testing
