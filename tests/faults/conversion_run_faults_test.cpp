// The dialog's convert button on the real disk when a file cannot be used: each refusal gives
// its own message, the dialog stays open on the field to correct, and the earlier output file
// stays as it was with nothing left beside it.
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "ui/dialog/converter_dialog.h"
#include "ui/dialog/raised_error_report.h"
#include "platform/system_services.h"
#include "tests/fakes/fake_clock.h"
#include "tests/fakes/fake_dialog_controls.h"
#include "tests/fakes/recording_message_box.h"

namespace pinmover {
namespace {

namespace fs = std::filesystem;
using testing::FakeClock;
using testing::FakeDialogControls;
using testing::RecordingMessageBox;
using Shown = RecordingMessageBox::Shown;

const std::string earlierOutput = "the earlier point file";

class ConversionRunFaultsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() /
              ("pinmover-faults-" + std::to_string(::getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    std::ofstream(folder_ / "list.pmf") << "#1#a#b#13712345#3539276#c#d#e#f#g#h#i#Station\n";
    std::ofstream(folder_ / "out.pnt") << earlierOutput;
    dialog_.inputExtension = "pmf";
    dialog_.outputExtension = "pnt";
    controls_.fields[DialogField::InputPath] = Path("list.pmf");
    controls_.fields[DialogField::OutputPath] = Path("out.pnt");
  }
  void TearDown() override {
    if (held_ >= 0) ::close(held_);
    fs::permissions(folder_, fs::perms::owner_all, fs::perm_options::add);
    fs::remove_all(folder_);
  }

  std::string Path(const std::string& name) const { return (folder_ / name).string(); }

  // Another program holds the file open and locked, as a second pinmover would.
  void Hold(const std::string& name) {
    held_ = ::open(Path(name).c_str(), O_RDONLY);
    ASSERT_EQ(::flock(held_, LOCK_EX | LOCK_NB), 0);
  }

  void Press() {
    RunReportingErrors(messages_, *files_, [this] { dialog_.ConversionRun(); });
  }

  // The run stopped with the dialog open, the earlier output as it was and nothing new.
  void ExpectNothingChanged(long entries) {
    EXPECT_FALSE(controls_.endResult);
    std::ifstream in(folder_ / "out.pnt", std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), earlierOutput);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_), {}), entries) << "a file was left";
  }

  // An output the run could not open: the image's message, then the output field to correct.
  void ExpectOutputRefused(const std::string& output, const std::string& causeText,
                           long entries = 2) {
    EXPECT_EQ(boxes_.shown, (std::vector<Shown>{{"\"" + output + "\"\n\n" + causeText,
                                                 "pinmover", message_style::iconExclamation}}));
    EXPECT_TRUE(controls_.shown.empty()) << "no completion message";
    EXPECT_EQ(controls_.calls, (std::vector<std::string>{"focus output", "select output"}));
    ExpectNothingChanged(entries);
  }

  // A list the run could not open: the reader's message, then the run's own.
  void ExpectListRefused(const std::string& causeText) {
    EXPECT_EQ(boxes_.shown,
              (std::vector<Shown>{{causeText, "pinmover", message_style::iconExclamation}}));
    EXPECT_EQ(controls_.shown,
              (std::vector<Shown>{{"ファイル " + Path("list.pmf") + " の読み込みに失敗しました",
                                   "ERROR", message_style::ok}}));
    ExpectNothingChanged(2);
  }

  fs::path folder_;
  int held_ = -1;
  std::unique_ptr<FileSystem> files_ = MakeSystemFileSystem();
  FakeClock clock_;
  RecordingMessageBox boxes_;
  ApplicationMessages messages_{boxes_, "pinmover"};
  FakeDialogControls controls_;
  ConverterDialog dialog_{controls_, *files_, clock_, messages_};
};

TEST_F(ConversionRunFaultsTest, OutputHeldByAnotherProgramIsASharingViolation) {
  Hold("out.pnt");
  Press();
  ExpectOutputRefused(Path("out.pnt"), "SHARE.EXE 未ロードまたは共有領域ロック済み");
}

TEST_F(ConversionRunFaultsTest, ListHeldByAnotherProgramIsASharingViolation) {
  Hold("list.pmf");
  Press();
  ExpectListRefused("ファイルの共有違反です");
}

TEST_F(ConversionRunFaultsTest, FolderWhereTheOutputShouldBeIsRefused) {
  fs::create_directory(folder_ / "folder.pnt");
  controls_.fields[DialogField::OutputPath] = Path("folder.pnt");
  Press();
  EXPECT_TRUE(fs::is_empty(folder_ / "folder.pnt"));
  ExpectOutputRefused(Path("folder.pnt"), "ファイル アクセス禁止", 3);
}

TEST_F(ConversionRunFaultsTest, PermissionsThatForbidTheFilesAreRefused) {
  if (::geteuid() == 0) GTEST_SKIP() << "permissions do not bind the superuser";
  fs::permissions(folder_ / "out.pnt", fs::perms::owner_read);
  Press();
  ExpectOutputRefused(Path("out.pnt"), "ファイル アクセス禁止");

  boxes_.shown.clear();
  controls_.calls.clear();
  fs::permissions(folder_ / "list.pmf", fs::perms::none);
  Press();
  ExpectListRefused("ファイル アクセス禁止");
}

}  // namespace
}  // namespace pinmover
