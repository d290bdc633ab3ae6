#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "formats/pmf/point_list_reader.h"
#include "platform/system_services.h"
#include "tests/fakes/fake_file_system.h"
#include "tests/fakes/recording_message_box.h"
#include "ui/dialog/application_messages.h"
#include "wording/problem_messages.h"

namespace pinmover {
namespace {

// count record lines named prefix0, prefix1, ... with distinct coordinates, between other lines.
std::string List(int count, const std::string& prefix) {
  std::string text = "header line\r\n";
  for (int i = 0; i < count; ++i) {
    text += "#P#a#b#" + std::to_string(13712345 + i) + "#3539276#c#d#e#f#T10#T11#T12#" + prefix +
            std::to_string(i) + "\r\n\r\n";
  }
  return text;
}

class PointListReaderTest : public ::testing::Test {
 protected:
  // Loads path as the program tells it: 0, or -1 after the reader's own message for what it
  // returned.
  int Load(PointListReader& reader, const std::string& path) {
    std::optional<Problem> problem = reader.Load(path);
    if (!problem) return 0;
    ShowReaderMessages(*problem);
    return -1;
  }
  void ShowReaderMessages(const Problem& problem) {
    for (const Message& message : ProblemMessages(problem, disk_)) {
      if (message.caption.empty()) messages_.Show(message);
    }
  }

  void LoadEarlierList() {
    disk_.files["earlier.pmf"] = List(3, "earlier");
    ASSERT_EQ(Load(reader_, "earlier.pmf"), 0);
    boxes_.shown.clear();
  }
  void ExpectEarlierListKept() {
    ASSERT_EQ(reader_.GetCount(), 3);
    EXPECT_EQ(reader_.GetName(2), "earlier2");
    EXPECT_EQ(reader_.GetFirstCoordinate(2), "137/12/34.7");
  }
  void ExpectOneMessage(const std::string& text) {
    ASSERT_EQ(boxes_.shown.size(), 1u);
    EXPECT_EQ(boxes_.shown[0], (testing::RecordingMessageBox::Shown{
                                   text, "pinmover", message_style::iconExclamation}));
  }
  void ExpectTableEmpty() {
    EXPECT_EQ(reader_.GetCount(), 0);
    for (int i = 0; i < PointListReader::tableSlots; ++i) {
      ASSERT_TRUE(reader_.Record(i) == InputPointRecord{}) << i;
    }
  }
  // Loads path and returns the FileError it must raise.
  FileError LoadFailingAfterOpen(const std::string& path) {
    try {
      reader_.Load(path);
    } catch (const FileError& error) {
      return error;
    }
    ADD_FAILURE() << "Load did not raise FileError";
    return FileError(FileErrorCause::None);
  }

  testing::FakeFileSystem disk_;
  testing::RecordingMessageBox boxes_;
  ApplicationMessages messages_{boxes_, "pinmover"};
  PointListReader reader_{disk_};
};

TEST_F(PointListReaderTest, FreshReaderHoldsOnlyEmptySlots) { ExpectTableEmpty(); }

TEST_F(PointListReaderTest, LoadsNamesAndCoordinatesOfEveryRecordLine) {
  disk_.files["list.pmf"] = "comment\n#P01#a#b#13712345#3539276#c#d#e#f#T10#T11#T12#Station\tnote"
                            "\n\n#P02#a#b#-1#100000000#c#d#e#f#T10#T11#T12#\t東京駅";
  ASSERT_EQ(Load(reader_, "list.pmf"), 0);
  ASSERT_EQ(reader_.GetCount(), 2);
  EXPECT_EQ(reader_.GetName(0), "Station");
  EXPECT_EQ(reader_.GetFirstCoordinate(0), "137/12/34.5");
  EXPECT_EQ(reader_.GetSecondCoordinate(0), "035/39/27.6");
  EXPECT_EQ(reader_.GetName(1), "東京駅");
  EXPECT_EQ(reader_.GetFirstCoordinate(1), "42949/67/29.5");
  EXPECT_EQ(reader_.GetSecondCoordinate(1), "1000/00/00.0");
  EXPECT_EQ(reader_.Record(2), InputPointRecord{});
  EXPECT_TRUE(boxes_.shown.empty());
  EXPECT_EQ(disk_.openFiles, 0);
}

TEST_F(PointListReaderTest, RefusesAPathWithoutThePointListExtension) {
  LoadEarlierList();
  for (const char* path : {"list.pmf.txt", "list", "list.pm", "my.folder\\list"}) {
    disk_.files[path] = List(5, "refused");
    boxes_.shown.clear();
    EXPECT_EQ(Load(reader_, path), -1);
    ExpectOneMessage(std::string(path) + "\n    は認識できないファイルです");
    ExpectEarlierListKept();
  }
  for (const char* path : {"list.pmf", "LIST.PMF", "list.Pmf"}) {
    disk_.files[path] = List(4, "accepted");
    EXPECT_EQ(Load(reader_, path), 0) << path;
    EXPECT_EQ(reader_.GetCount(), 4);
  }
}

TEST_F(PointListReaderTest, FailedOpenTellsItsCauseAndKeepsTheEarlierTable) {
  LoadEarlierList();
  EXPECT_EQ(Load(reader_, "missing.pmf"), -1);
  ExpectOneMessage("ファイルが見つかりませんでした。");
  ExpectEarlierListKept();

  const std::pair<FileErrorCause, std::string> cases[] = {
      {FileErrorCause::Generic, "読み込みに失敗しました。"},
      {FileErrorCause::FileNotFound, "ファイルが見つかりませんでした。"},
      {FileErrorCause::BadPath, "読み込みに失敗しました。"},
      {FileErrorCause::AccessDenied, "ファイル アクセス禁止"},
      {FileErrorCause::SharingViolation, "ファイルの共有違反です"},
      {FileErrorCause::LockViolation, "読み込みに失敗しました。"},
      {FileErrorCause::EndOfFile, "読み込みに失敗しました。"},
  };
  disk_.files["held.pmf"] = List(9, "held");
  for (const auto& [cause, message] : cases) {
    disk_.faults["held.pmf"].openCause = cause;
    boxes_.shown.clear();
    EXPECT_EQ(Load(reader_, "held.pmf"), -1);
    ExpectOneMessage(message);
    ExpectEarlierListKept();
  }
}

TEST_F(PointListReaderTest, OpenFailureWithoutCauseIsNotReported) {
  ShowReaderMessages({.kind = ProblemKind::ListOpenFailed, .path = "held.pmf"});
  EXPECT_TRUE(boxes_.shown.empty());
}

TEST_F(PointListReaderTest, ReadFailureRaisesWithoutPathAndLeavesTheTableCleared) {
  LoadEarlierList();
  disk_.files["bad.pmf"] = List(150, "bad");
  disk_.faults["bad.pmf"].failAfterBytes = 1000;
  FileError error = LoadFailingAfterOpen("bad.pmf");
  EXPECT_EQ(error.Cause(), FileErrorCause::HardIO);
  EXPECT_EQ(error.Path(), "");
  ExpectTableEmpty();
  EXPECT_EQ(disk_.openFiles, 0);
  EXPECT_TRUE(boxes_.shown.empty());

  // Parse on its own keeps no half list either, nor the earlier list's count.
  LoadEarlierList();
  auto opened = disk_.OpenForReading("bad.pmf");
  ASSERT_TRUE(opened.file);
  EXPECT_THROW(reader_.Parse(*opened.file), FileError);
  ExpectTableEmpty();
}

TEST_F(PointListReaderTest, CloseFailureRaisesWithoutPathAndLeavesTheTableCleared) {
  LoadEarlierList();
  disk_.files["bad.pmf"] = List(5, "bad");
  disk_.faults["bad.pmf"].commitCause = FileErrorCause::HardIO;
  FileError error = LoadFailingAfterOpen("bad.pmf");
  EXPECT_EQ(error.Cause(), FileErrorCause::HardIO);
  EXPECT_EQ(error.Path(), "");
  ExpectTableEmpty();
}

TEST_F(PointListReaderTest, EachLoadReplacesTheWholeTable) {
  disk_.files["many.pmf"] = List(201, "many");
  disk_.files["fewer.pmf"] = List(150, "fewer");
  disk_.files["none.pmf"] = "no record lines\n";
  disk_.files["empty.pmf"] = "";
  ASSERT_EQ(Load(reader_, "many.pmf"), 0);
  EXPECT_EQ(reader_.GetCount(), 200);
  EXPECT_EQ(reader_.GetName(199), "many199");

  ASSERT_EQ(Load(reader_, "fewer.pmf"), 0);
  EXPECT_EQ(reader_.GetCount(), 150);
  EXPECT_EQ(reader_.GetName(149), "fewer149");
  for (int i = 150; i < 200; ++i) {
    EXPECT_EQ(reader_.GetName(i), "");
    EXPECT_EQ(reader_.GetFirstCoordinate(i), "");
    EXPECT_EQ(reader_.Record(i).sequence, -1);
  }

  ASSERT_EQ(Load(reader_, "none.pmf"), 0);
  ExpectTableEmpty();
  ASSERT_EQ(Load(reader_, "fewer.pmf"), 0);
  ASSERT_EQ(Load(reader_, "empty.pmf"), 0);
  ExpectTableEmpty();
}

TEST_F(PointListReaderTest, ReadsNoFurtherThanTheListGoes) {
  // Reading past the first block would fail, so each Load proves where it stopped.
  std::string tail(10 * PointListReader::blockSize, 'x');
  std::string nul = List(2, "nul") + std::string(1, '\0') + List(5, "after") + tail;
  std::string endMark = List(2, "end") + "\xFF\n" + List(5, "after") + tail;
  std::string full = List(200, "full") + List(5, "after") + tail;
  for (const auto& [text, count] : {std::pair{nul, 2}, {endMark, 2}, {full, 200}}) {
    disk_.files["big.pmf"] = text;
    disk_.faults["big.pmf"].failAfterBytes = PointListReader::blockSize;
    ASSERT_EQ(Load(reader_, "big.pmf"), 0);
    EXPECT_EQ(reader_.GetCount(), count);
  }
  EXPECT_EQ(disk_.largestRequest, PointListReader::blockSize);
}

// The real disk: a file someone else holds open cannot be read.
class PointListReaderOnDiskTest : public PointListReaderTest {
 protected:
  void SetUp() override {
    folder_ = std::filesystem::temp_directory_path() /
              ("pinmover-input-" + std::to_string(std::random_device{}()));
    std::filesystem::create_directories(folder_);
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }

  std::filesystem::path folder_;
  std::unique_ptr<FileSystem> system_ = MakeSystemFileSystem();
  PointListReader diskReader_{*system_};
};

TEST_F(PointListReaderOnDiskTest, ReportsMissingAndSharedFiles) {
  std::string path = (folder_ / "list.pmf").string();
  EXPECT_EQ(Load(diskReader_, path), -1);
  ExpectOneMessage("ファイルが見つかりませんでした。");

  std::ofstream(path, std::ios::binary) << List(7, "disk");
  ASSERT_EQ(Load(diskReader_, path), 0);
  EXPECT_EQ(diskReader_.GetName(6), "disk6");

  auto held = system_->OpenForReading(path);
  ASSERT_TRUE(held.file);
  boxes_.shown.clear();
  EXPECT_EQ(Load(diskReader_, path), -1);
  ExpectOneMessage("ファイルの共有違反です");
  EXPECT_EQ(diskReader_.GetCount(), 7);
}

}  // namespace
}  // namespace pinmover
