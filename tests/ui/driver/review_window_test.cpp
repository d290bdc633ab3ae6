#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/system_services.h"
#include "tests/ui/driver/expected_image.h"
#include "tests/ui/driver/program_under_test.h"
#include "tests/ui/driver/remote_list_view.h"
#include "tests/ui/driver/remote_memory.h"
#include "tests/ui/driver/ui_test.h"
#include "ui/dialog/point_review.h"
#include "ui/resource_ids.h"

namespace pinmover::testing {
namespace {

constexpr int unitName = static_cast<int>(ReviewColumn::UnitName);
constexpr int originalName = static_cast<int>(ReviewColumn::OriginalName);
constexpr int note = static_cast<int>(ReviewColumn::Note);

constexpr wchar_t finished[] = L"変換が終了しました。\nOKボタンを押して下さい。";

// The point list window the program opened for its list, with its list of points.
class ReviewWindowTest : public UiTest {
 protected:
  // Starts the program on the list, presses 変換 and waits for the window.
  void Open(const std::wstring& input, const std::wstring& output = {}) {
    program.emplace(Executable(), Quoted(input), folder);
    dialog = program->MainDialog();
    ASSERT_NE(dialog, nullptr);
    if (!output.empty()) Type(program->Control(IDC_OUTPUT_PATH), output);
    program->Click(dialog, IDOK);
    Reopen();
  }
  void Reopen() {
    review = program->WaitForOwnedWindow(reviewTitle);
    ASSERT_NE(review, nullptr) << "no point list window";
    list.emplace(program->Process(), ::GetDlgItem(review, IDC_POINT_LIST));
  }
  std::wstring CountLine() { return Text(::GetDlgItem(review, IDC_POINT_COUNT)); }
  bool Enabled(int id) { return ::IsWindowEnabled(::GetDlgItem(review, id)); }

  std::optional<ProgramUnderTest> program;
  std::optional<RemoteListView> list;
  HWND dialog = nullptr;
  HWND review = nullptr;
};

// Long names are cut, and characters the unit lacks, in the Basic Plane or beyond it, replaced.
const std::vector<std::string> changedNames = {
    Utf8(u8"東京スカイツリー天望デッキ・フロア350の南側展望窓"), Utf8(u8"富士山 🗻 五合目"),
    Utf8(u8"①番目の駐車場")};

TEST_F(ReviewWindowTest, FourHundredFiftyPointsCutDownToTwoHundredAreWrittenAsTheCoreWritesThem) {
  std::wstring input = WriteInFolder(L"tour.gpx", Gpx(450, changedNames));
  ASSERT_NO_FATAL_FAILURE(Open(input));
  EXPECT_EQ(Text(review), L"地点の確認");
  ASSERT_EQ(list->RowCount(), 450);
  int checked = 0;
  for (int row = 0; row < 450; ++row) checked += list->Checked(row) == true;
  EXPECT_EQ(checked, 450);
  EXPECT_EQ(CountLine(),
            L"書き込む地点: 450 (200 地点ずつ 3 個の番号付きファイルに分けて書き込みます)");
  const struct {
    int row;
    const wchar_t* unitName;
    const wchar_t* note;
  } changes[] = {
      {0, L"東京スカイツリー天望デッキ・フロア35",
       L"名前が 19 文字を超えるため、19 文字までにしました"},
      {1, L"富士山 〓 五合目", L"ナビで表示できない文字 🗻 を 〓 にしました"},
      {2, L"〓番目の駐車場", L"ナビで表示できない文字 ① を 〓 にしました"},
      {3, L"P4", L""},
  };
  for (const auto& change : changes) {
    EXPECT_EQ(list->Cell(change.row, unitName), change.unitName);
    EXPECT_EQ(list->Cell(change.row, note), change.note);
  }
  EXPECT_EQ(list->Cell(0, originalName), L"東京スカイツリー天望デッキ・フロア350の南側展望窓");

  list->Select(200, 449);
  list->PressSpace();
  EXPECT_EQ(list->Checked(199), true);
  EXPECT_EQ(list->Checked(200), false);
  EXPECT_EQ(list->Checked(449), false);
  EXPECT_EQ(CountLine(), L"書き込む地点: 200 / 200");
  ASSERT_TRUE(list->ClickCheckBox(5));
  EXPECT_EQ(list->Checked(5), false);
  EXPECT_EQ(CountLine(), L"書き込む地点: 199 / 200");
  ASSERT_TRUE(list->ClickCheckBox(5));
  EXPECT_EQ(list->Checked(5), true);

  ASSERT_TRUE(list->Rename(0, L"東京スカイツリー"));
  EXPECT_EQ(list->Cell(0, unitName), L"東京スカイツリー");
  EXPECT_EQ(list->Cell(0, note), L"名前を変えました");

  program->Press(review, IDOK);
  ASSERT_TRUE(program->WaitUntilClosed(review));
  ExpectMessageAndAnswer(*program, L"終了", finished);
  ASSERT_TRUE(program->WaitForExit());
  std::vector<char> written = FileBytes(InFolder(L"tour.pnt"));
  ASSERT_EQ(written.size(), 64048u);
  std::vector<char> expected = ExpectedChosenPointFile(
      Sjis(input), written,
      [](PointReview& points) {
        for (std::size_t row = 200; row < 450; ++row) points.SetChecked(row, false);
        points.Rename(0, Utf8(u8"東京スカイツリー"));
      },
      Sjis(InFolder(L"expected.pnt")));
  EXPECT_TRUE(written == expected) << "the program's file differs from the core's image";
  PointFileInspection inspection = Inspect(InFolder(L"tour.pnt"));
  ASSERT_EQ(inspection.points.size(), 200u);
  EXPECT_EQ(inspection.points[1].name, "富士山 〓 五合目");
  EXPECT_TRUE(FileBytes(InFolder(L"tour-1.pnt")).empty());
}

// Waypoints of these names and latitudes, on one meridian.
std::string Places(const std::vector<std::string>& names, const std::vector<double>& latitudes) {
  std::string text = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<gpx version=\"1.1\">\n";
  for (std::size_t i = 0; i < names.size(); ++i) {
    text += "<wpt lat=\"" + std::to_string(latitudes[i]) + "\" lon=\"139.7\"><name>" + names[i] +
            "</name></wpt>\n";
  }
  return text + "</gpx>\n";
}

TEST_F(ReviewWindowTest, AddingToAPointFileKeepsItsPointsFirstAndLeavesTheDuplicateUnchecked) {
  std::wstring old = WriteInFolder(
      L"old.gpx",
      Places({Utf8(u8"東京タワー"), Utf8(u8"浅草寺"), Utf8(u8"鎌倉大仏")}, {35.65, 35.71, 35.31}));
  std::wstring card = InFolder(L"card.pnt");
  WritePointFile(Sjis(old), Sjis(card));
  const std::vector<char> before = FileBytes(card);
  ASSERT_EQ(before.size(), 64048u);
  std::wstring input = WriteInFolder(
      L"new.gpx",
      Places({Utf8(u8"浅草寺"), Utf8(u8"横浜中華街"), Utf8(u8"箱根峠")}, {35.71, 35.44, 35.23}));

  ASSERT_NO_FATAL_FAILURE(Open(input, card));
  EXPECT_EQ(list->RowCount(), 3);
  EXPECT_TRUE(Enabled(IDC_APPEND));
  EXPECT_EQ(Text(::GetDlgItem(review, IDC_APPEND_NOTE)), L"");
  program->Toggle(review, IDC_APPEND);
  ASSERT_EQ(list->RowCount(), 6);
  const struct {
    const wchar_t* name;
    bool checked;
  } rows[] = {{L"東京タワー", true}, {L"浅草寺", true},     {L"鎌倉大仏", true},
              {L"浅草寺", false},    {L"横浜中華街", true}, {L"箱根峠", true}};
  for (int row = 0; row < 6; ++row) {
    EXPECT_EQ(list->Cell(row, unitName), rows[row].name) << "row " << row;
    EXPECT_EQ(list->Checked(row), rows[row].checked) << "row " << row;
  }
  EXPECT_EQ(list->Cell(3, note), L"重複: 出力ファイルにある 2 行目と同じ名前で 0 m の所にあります");
  EXPECT_EQ(CountLine(), L"書き込む地点: 5 / 200");
  EXPECT_FALSE(list->Rename(0, L"タワー")) << "the card's own points keep their names";

  program->Press(review, IDOK);
  ASSERT_TRUE(program->WaitUntilClosed(review));
  ExpectMessageAndAnswer(*program, L"終了", finished);
  ASSERT_TRUE(program->WaitForExit());

  std::vector<char> written = FileBytes(card);
  ASSERT_EQ(written.size(), 64048u);
  for (std::size_t slot = 0; slot < 3; ++slot) {
    EXPECT_TRUE(FileSlot(written, slot) == FileSlot(before, slot)) << "slot " << slot;
  }
  std::wstring scratch = WriteInFolder(L"expected.pnt", std::string(before.begin(), before.end()));
  EXPECT_TRUE(written == ExpectedChosenPointFile(
                             Sjis(input), written,
                             [](PointReview& points) { points.SetAppending(true); }, Sjis(scratch)))
      << "the program's file differs from the core's image";
  EXPECT_EQ(Inspect(card).points.size(), 5u);
}

TEST_F(ReviewWindowTest, ClosingWritesNothingAndTheMainDialogStays) {
  std::wstring input = WriteInFolder(L"tour.gpx", Gpx(3));
  ASSERT_NO_FATAL_FAILURE(Open(input));
  EXPECT_FALSE(Enabled(IDC_APPEND)) << "there is no tour.pnt to add to";

  // The window keeps a size in which its controls fit, and its list takes what it gains.
  RECT opened;
  ::GetWindowRect(review, &opened);
  ::SetWindowPos(review, nullptr, 0, 0, 100, 100, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  RECT smallest;
  ::GetWindowRect(review, &smallest);
  EXPECT_EQ(smallest.right - smallest.left, opened.right - opened.left);
  EXPECT_EQ(smallest.bottom - smallest.top, opened.bottom - opened.top);
  RECT listBefore;
  ::GetWindowRect(::GetDlgItem(review, IDC_POINT_LIST), &listBefore);
  ::SetWindowPos(review, nullptr, 0, 0, opened.right - opened.left + 200,
                 opened.bottom - opened.top + 100, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  RECT listAfter;
  ::GetWindowRect(::GetDlgItem(review, IDC_POINT_LIST), &listAfter);
  EXPECT_EQ(listAfter.right - listAfter.left, listBefore.right - listBefore.left + 200);
  EXPECT_EQ(listAfter.bottom - listAfter.top, listBefore.bottom - listBefore.top + 100);
  RECT window;
  RECT button;
  ::GetWindowRect(review, &window);
  ::GetWindowRect(::GetDlgItem(review, IDCANCEL), &button);
  EXPECT_LT(window.bottom - button.bottom, 30) << "the buttons keep to the bottom";
  EXPECT_LT(window.right - button.right, 30);

  // Files dropped on the window: one it cannot read is refused over it, a list is added.
  RemoteDrop wrong(program->Process(), {WriteInFolder(L"readme.txt", "text")});
  ::PostMessageW(review, WM_DROPFILES, reinterpret_cast<WPARAM>(wrong.Handle()), 0);
  ExpectMessageOverAndAnswer(*program, review, L"Error",
                             L"入力ファイルのファイルタイプが違います。\n拡張子[.pmf .gpx .kml "
                             L".kmz .geojson .json .csv .pnt]のファイルを選択して下さい。");
  RemoteDrop more(program->Process(), {WriteInFolder(L"more.gpx", Gpx(2, {"Q1", "Q2"}))});
  DWORD_PTR result = 0;
  ::SendMessageTimeoutW(review, WM_DROPFILES, reinterpret_cast<WPARAM>(more.Handle()), 0,
                        SMTO_NORMAL, 5000, &result);
  EXPECT_EQ(list->RowCount(), 5);
  EXPECT_EQ(list->Cell(4, unitName), L"Q2");
  // ファイルを追加... chooses several files at once, in the output's folder.
  WriteInFolder(L"a.gpx", Gpx(1, {"R1"}));
  WriteInFolder(L"b.gpx", Gpx(2, {"S1", "S2"}));
  program->Click(review, IDC_ADD_FILES);
  ChooseOver(*program, review, L"ファイルを追加", L"\"a.gpx\" \"b.gpx\"");
  program->FindOwned();
  ASSERT_EQ(list->RowCount(), 8);
  EXPECT_EQ(list->Cell(5, unitName), L"R1");
  EXPECT_EQ(list->Cell(7, unitName), L"S2");
  EXPECT_EQ(CountLine(), L"書き込む地点: 8 / 200");

  // The close box, then キャンセル the next time: nothing is written either way.
  ::PostMessageW(review, WM_SYSCOMMAND, SC_CLOSE, 0);
  ASSERT_TRUE(program->WaitUntilClosed(review));
  EXPECT_EQ(program->FindOwned(), nullptr);
  EXPECT_TRUE(::IsWindowEnabled(dialog));
  program->Click(dialog, IDOK);
  ASSERT_NO_FATAL_FAILURE(Reopen());
  EXPECT_EQ(list->RowCount(), 3) << "every run reads the list afresh";
  program->Press(review, IDCANCEL);
  ASSERT_TRUE(program->WaitUntilClosed(review));
  EXPECT_EQ(program->FindOwned(), nullptr);
  EXPECT_TRUE(::IsWindowVisible(dialog));
  EXPECT_TRUE(FileBytes(InFolder(L"tour.pnt")).empty());
}

class Stopwatch {
 public:
  Stopwatch() { start_ = ::GetTickCount64(); }
  ULONGLONG Milliseconds() const { return ::GetTickCount64() - start_; }

 private:
  ULONGLONG start_;
};

// Printed, not asserted: the machine decides the figure. The reading alone is timed too, in
// this process, to tell the list's part from the window's.
TEST_F(ReviewWindowTest, AHundredThousandPointsOpenInTime) {
  constexpr int count = 100000;
  std::wstring input = WriteInFolder(L"many.gpx", Gpx(count));
  program.emplace(Executable(), Quoted(input), folder);
  dialog = program->MainDialog();
  ASSERT_NE(dialog, nullptr);
  Stopwatch shown;
  program->Click(dialog, IDOK);
  ASSERT_NO_FATAL_FAILURE(Reopen());
  ASSERT_EQ(list->RowCount(), count);
  EXPECT_EQ(list->Cell(count - 1, unitName), L"P100000");
  const ULONGLONG windowMs = shown.Milliseconds();

  std::unique_ptr<FileSystem> files = MakeSystemFileSystem();
  PointListReader reader(*files);
  FormatContext formats{*files, reader};
  Stopwatch reading;
  PointReview points(formats, Datum::Tokyo, Sjis(InFolder(L"many.pnt")), "pinmover");
  EXPECT_FALSE(points.AddList(Sjis(input)).has_value());
  const ULONGLONG readingMs = reading.Milliseconds();
  std::printf(
      "%d points: from the convert button to the window with its rows %llu ms; "
      "reading the list alone %llu ms\n",
      count, windowMs, readingMs);
  program->Press(review, IDCANCEL);
  ASSERT_TRUE(program->WaitUntilClosed(review));
}

}  // namespace
}  // namespace pinmover::testing
