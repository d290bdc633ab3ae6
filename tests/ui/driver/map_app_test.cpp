#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/ui/driver/expected_image.h"
#include "tests/ui/driver/program_under_test.h"
#include "tests/ui/driver/remote_list_view.h"
#include "tests/ui/driver/ui_test.h"
#include "tests/fakes/zip_writer.h"
#include "ui/dialog/point_review.h"
#include "ui/resource_ids.h"

namespace pinmover::testing {
namespace {

using MapAppTest = UiTest;

constexpr wchar_t finished[] = L"変換が終了しました。\nOKボタンを押して下さい。";

std::wstring ListEntry(HWND list, int index) {
  std::wstring text(256, L'\0');
  DWORD_PTR length = 0;
  ::SendMessageTimeoutW(list, CB_GETLBTEXT, static_cast<WPARAM>(index),
                        reinterpret_cast<LPARAM>(text.data()), SMTO_NORMAL, 5000, &length);
  text.resize(length == static_cast<DWORD_PTR>(CB_ERR) ? 0 : length);
  return text;
}

TEST_F(MapAppTest, ACp932CsvChosenThroughTheNewFilterEntryConverts) {
  std::wstring input = WriteInFolder(
      L"places.csv",
      "名称,住所,緯度,経度\r\n"
      "東京タワー,東京都港区,35.6585805,139.7454316\r\n"
      "\"スカイツリー, 展望デッキ\",東京都墨田区,35.7100627,139.8107004\r\n");
  ProgramUnderTest program(Executable(), L"", folder);
  HWND dialog = program.MainDialog();
  ASSERT_NE(dialog, nullptr);
  program.Click(dialog, IDC_BROWSE_INPUT);
  HWND fileDialog = program.WaitForOwnedWindow(inputTitle);
  ASSERT_NE(fileDialog, nullptr);
  HWND types = ::GetDlgItem(fileDialog, 0x470);  // cmb1, the list of file types
  EXPECT_EQ(ListEntry(types, 0), L"地点リスト (*.pmf)");
  EXPECT_EQ(ListEntry(types, 1), L"地図アプリの地点 (*.gpx;*.kml;*.kmz;*.geojson;*.json;*.csv)");
  EXPECT_EQ(ListEntry(types, 2), L"ナビの地点ファイル (*.pnt)");
  EXPECT_EQ(ListEntry(types, 3),
            L"対応するすべてのファイル (*.pmf;*.gpx;*.kml;*.kmz;*.geojson;*.json;*.csv;*.pnt)");
  EXPECT_EQ(ListEntry(types, 4), L"すべてのファイル (*.*)");
  // As a click on the entry does: the selection, then the notice to the dialog.
  DWORD_PTR result = 0;
  ::SendMessageTimeoutW(types, CB_SETCURSEL, 1, 0, SMTO_NORMAL, 5000, &result);
  ::SendMessageTimeoutW(fileDialog, WM_COMMAND, MAKEWPARAM(0x470, CBN_SELCHANGE),
                        reinterpret_cast<LPARAM>(types), SMTO_NORMAL, 5000, &result);
  Choose(program, inputTitle, L"places.csv");
  program.FindOwned();
  EXPECT_EQ(Text(program.Control(IDC_INPUT_PATH)), input);
  EXPECT_EQ(Text(program.Control(IDC_OUTPUT_PATH)), InFolder(L"places.pnt"));

  program.Click(dialog, IDOK);
  WriteFromReview(program);
  ExpectMessageAndAnswer(program, L"終了", finished);
  ASSERT_TRUE(program.WaitForExit());
  std::vector<char> written = FileBytes(InFolder(L"places.pnt"));
  ASSERT_EQ(written.size(), 64048u);
  EXPECT_TRUE(written ==
              ExpectedPointFile(Sjis(input), written, 1, 0, Sjis(InFolder(L"expected.pnt"))));
  PointFileInspection inspection = Inspect(InFolder(L"places.pnt"));
  ASSERT_EQ(inspection.points.size(), 2u);
  EXPECT_EQ(inspection.points[1].name, "スカイツリー, 展望デッキ");
}

TEST_F(MapAppTest, TheDatumMenuChangesTheWrittenCoordinates) {
  std::wstring input = WriteInFolder(L"tower.gpx", Gpx(1));
  ProgramUnderTest program(Executable(), Quoted(input), folder);
  HWND dialog = program.MainDialog();
  ASSERT_NE(dialog, nullptr);
  HWND status = program.Control(IDC_DATUM_STATUS);
  EXPECT_EQ(Text(status), L"測地系: 日本測地系 (Tokyo)");
  DWORD_PTR result = 0;
  ::SendMessageTimeoutW(dialog, WM_COMMAND, ID_DATUM_WGS84, 0, SMTO_NORMAL, 5000, &result);
  EXPECT_EQ(Text(status), L"測地系: 世界測地系 (WGS84)");

  program.Click(dialog, IDOK);
  WriteFromReview(program);
  ExpectMessageAndAnswer(program, L"終了", finished);
  ASSERT_TRUE(program.WaitForExit());
  std::vector<char> written = FileBytes(InFolder(L"tower.pnt"));
  ASSERT_EQ(written.size(), 64048u);
  std::vector<char> wgs84 = ExpectedPointFile(Sjis(input), written, 1, 0,
                                              Sjis(InFolder(L"wgs84.pnt")), Datum::Wgs84);
  std::vector<char> tokyo = ExpectedPointFile(Sjis(input), written, 1, 0,
                                              Sjis(InFolder(L"tokyo.pnt")), Datum::Tokyo);
  EXPECT_TRUE(written == wgs84);
  EXPECT_FALSE(written == tokyo);
}

TEST_F(MapAppTest, FourHundredFiftyPointsWrittenAsTheyCameGoIntoThreeFiles) {
  ProgramUnderTest program(Executable(), Quoted(WriteInFolder(L"tour.gpx", Gpx(450))), folder);
  HWND dialog = program.MainDialog();
  ASSERT_NE(dialog, nullptr);
  program.Click(dialog, IDOK);
  WriteFromReview(program);
  ExpectMessageAndAnswer(program, L"終了",
                         L"変換が終了しました。\n450 地点を次の 3 つのファイルに書き込みました。\n"
                         L"tour-1.pnt (200 地点)\ntour-2.pnt (200 地点)\ntour-3.pnt (50 地点)\n"
                         L"OKボタンを押して下さい。");
  ASSERT_TRUE(program.WaitForExit());
  const struct {
    const wchar_t* file;
    std::size_t points;
    const char* first;
  } expected[] = {
      {L"tour-1.pnt", 200, "P1"}, {L"tour-2.pnt", 200, "P201"}, {L"tour-3.pnt", 50, "P401"}};
  for (const auto& file : expected) {
    PointFileInspection inspection = Inspect(InFolder(file.file));
    ASSERT_EQ(inspection.points.size(), file.points);
    EXPECT_EQ(inspection.points[0].name, file.first);
  }
  EXPECT_TRUE(FileBytes(InFolder(L"tour.pnt")).empty());
}

// A map as My Maps saves it: a KMZ whose doc.kml comes after its icons.
std::string MyMapsKmz() {
  const std::string kml = Utf8(
      u8"<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<kml xmlns=\"http://www.opengis.net/kml/2.2\">"
      u8"<Document><Folder><Placemark><name><![CDATA[Café Mirabelle\n]]></name>"
      u8"<Point><coordinates>\n139.7016,35.6580,0\n</coordinates></Point></Placemark>"
      u8"</Folder></Document></kml>\n");
  return Zip({{"images/icon-1.png", "\x89PNG icon"}, {"doc.kml", kml}}, "");
}

TEST_F(MapAppTest, AMyMapsKmzConvertsAndOneCutShortIsRefusedWithItsMessage) {
  const std::string kmz = MyMapsKmz();
  std::wstring input = WriteInFolder(L"drive.kmz", kmz);
  {
    ProgramUnderTest program(Executable(), Quoted(input), folder);
    HWND dialog = program.MainDialog();
    ASSERT_NE(dialog, nullptr);
    program.Click(dialog, IDOK);
    HWND review = program.WaitForOwnedWindow(reviewTitle);
    ASSERT_NE(review, nullptr);
    RemoteListView list(program.Process(), ::GetDlgItem(review, IDC_POINT_LIST));
    EXPECT_EQ(list.Cell(0, static_cast<int>(ReviewColumn::UnitName)), L"Cafe Mirabelle");
    EXPECT_EQ(list.Cell(0, static_cast<int>(ReviewColumn::Note)),
              L"アクセント付きの文字 \u00E9 をアクセントなしの文字にしました");
    WriteFromReview(program);
    ExpectMessageAndAnswer(program, L"終了", finished);
    ASSERT_TRUE(program.WaitForExit());
    std::vector<char> written = FileBytes(InFolder(L"drive.pnt"));
    ASSERT_EQ(written.size(), 64048u);
    EXPECT_TRUE(written == ExpectedPointFile(Sjis(input), written, 1, 0,
                                             Sjis(InFolder(L"expected.pnt"))))
        << "the program's file differs from the core's image";
  }
  std::wstring cut = WriteInFolder(L"cut.kmz", std::string_view(kmz).substr(0, 60));
  ProgramUnderTest program(Executable(), Quoted(cut), folder);
  HWND dialog = program.MainDialog();
  ASSERT_NE(dialog, nullptr);
  program.Click(dialog, IDOK);
  ExpectMessageAndAnswer(program, L"ERROR",
                         L"ファイル " + cut +
                             L" の読み込みに失敗しました\nKMZ ファイルが壊れているか、途中で切れています。"
                             L"地図アプリからもう一度ダウンロードするか、保存し直して下さい。");
  EXPECT_EQ(program.FindOwned(), nullptr);
  EXPECT_TRUE(::IsWindowVisible(dialog));
  EXPECT_TRUE(FileBytes(InFolder(L"cut.pnt")).empty());
}

}  // namespace
}  // namespace pinmover::testing
