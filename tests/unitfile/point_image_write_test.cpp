#include <gtest/gtest.h>

#include <filesystem>

#include "platform/system_services.h"
#include "platform/text_encoding.h"
#include "tests/fakes/fake_clock.h"
#include "tests/fakes/scratch_folder.h"
#include "tests/fakes/shown_problems.h"
#include "unitfile/point_image.h"

namespace pinmover {
namespace {

namespace fs = std::filesystem;
using testing::FakeClock;
using testing::RecordingMessageBox;

// Writes half of what it is given to the real disk, then fails as a full disk does.
class HalfWrittenFile : public OutputFile {
 public:
  HalfWrittenFile(std::unique_ptr<OutputFile> file, std::string path)
      : file_(std::move(file)), path_(std::move(path)) {}
  void Write(std::span<const char> bytes) override {
    file_->Write(bytes.first(bytes.size() / 2));
    throw FileError(FileErrorCause::DiskFull, path_);
  }
  void Commit() override { file_->Commit(); }

 private:
  std::unique_ptr<OutputFile> file_;
  std::string path_;
};

class DiskFillingUp : public FileSystem {
 public:
  OpenResult<InputFile> OpenForReading(const std::string& path) override {
    return disk_->OpenForReading(path);
  }
  OpenResult<OutputFile> OpenForReplacing(const std::string& path) override {
    auto opened = disk_->OpenForReplacing(path);
    if (opened.file) opened.file = std::make_unique<HalfWrittenFile>(std::move(opened.file), path);
    return opened;
  }
  std::string FullPath(const std::string& path) override { return disk_->FullPath(path); }
  bool SameFile(const std::string& first, const std::string& second) override {
    return disk_->SameFile(first, second);
  }

 private:
  std::unique_ptr<FileSystem> disk_ = MakeSystemFileSystem();
};

class PointImageWriteTest : public ::testing::Test {
 protected:
  // Paths are Shift-JIS inside the program.
  std::string Path(const std::string& name) const {
    const std::u8string folder = folder_.Root().u8string();
    return *Utf8ToSjis(std::string(folder.begin(), folder.end())) + "/" + name;
  }
  static fs::path DiskName(const std::string& name) {
    const std::string utf8 = *SjisToUtf8(name);
    return std::u8string(utf8.begin(), utf8.end());
  }
  fs::path Native(const std::string& name) const { return folder_ / DiskName(name); }
  void Put(const std::string& name, const std::string& content) const {
    folder_.Put(DiskName(name), content);
  }
  std::string Get(const std::string& name) const { return folder_.Get(DiskName(name)); }
  static void FillOnePoint(PointImage& image) {
    image.InitPoint(0);
    image.SetName(0, "地点");
    image.Seal(0);
  }
  std::string ImageText() const {
    auto bytes = image_.Bytes();
    return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
  }

  testing::ScratchFolder folder_;
  std::unique_ptr<FileSystem> disk_ = MakeSystemFileSystem();
  FakeClock clock_;
  PointImage image_{*disk_, clock_};
  // What the dialog would show for what a write returned.
  std::vector<RecordingMessageBox::Shown> Shown(const std::optional<Problem>& problem) {
    if (!problem) return {};
    return testing::ShownProblem(*problem, *disk_);
  }
};

TEST_F(PointImageWriteTest, CreatesNoFileForAnEmptyImage) {
  EXPECT_EQ(image_.Write(Path("empty.pnt")), std::nullopt);
  EXPECT_EQ(folder_.EntryCount(), 0u);
}

TEST_F(PointImageWriteTest, ReplacesALongerFileWithExactlyTheImage) {
  Put("地点.pnt", std::string(100000, 'x'));
  FillOnePoint(image_);
  EXPECT_EQ(image_.Write(Path("地点.pnt")), std::nullopt);
  EXPECT_EQ(fs::file_size(Native("地点.pnt")), pointFileSize);
  EXPECT_EQ(Get("地点.pnt"), ImageText());
  EXPECT_EQ(folder_.EntryCount(), 1u);
}

TEST_F(PointImageWriteTest, NamesTheOutputWhenItsFolderIsMissing) {
  FillOnePoint(image_);
  const std::string path = Path("missing/out.pnt");
  const auto shown = Shown(image_.Write(path));
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0], (RecordingMessageBox::Shown{"\"" + path + "\"\n\n不正パス", "pinmover",
                                                  message_style::iconExclamation}));
  EXPECT_EQ(folder_.EntryCount(), 0u);
}

TEST_F(PointImageWriteTest, RefusesAFolderInThePlaceOfTheOutput) {
  fs::create_directory(Native("out.pnt"));
  FillOnePoint(image_);
  const std::string path = Path("out.pnt");
  const auto shown = Shown(image_.Write(path));
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].text, "\"" + path + "\"\n\nファイル アクセス禁止");
  EXPECT_TRUE(fs::is_directory(Native("out.pnt")));
}

TEST_F(PointImageWriteTest, KeepsTheEarlierFileWhenTheDiskFillsUp) {
  Put("out.pnt", "earlier points");
  DiskFillingUp disk;
  PointImage image(disk, clock_);
  FillOnePoint(image);
  const std::optional<Problem> problem = image.Write(Path("out.pnt"));
  ASSERT_TRUE(problem) << "the write succeeded";
  EXPECT_EQ(problem->cause, FileErrorCause::DiskFull);
  EXPECT_EQ(problem->path, Path("out.pnt"));
  EXPECT_EQ(Get("out.pnt"), "earlier points");
  EXPECT_EQ(folder_.EntryCount(), 1u);  // no temporary file left behind
}

}  // namespace
}  // namespace pinmover
