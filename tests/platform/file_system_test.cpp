#include <gtest/gtest.h>

#include <filesystem>

#include "platform/system_services.h"
#include "tests/fakes/scratch_folder.h"

namespace pinmover {
namespace {

namespace fs = std::filesystem;

// What the system's file system gives the program alike on POSIX and on Windows. Names are
// written for the program as Shift-JIS literals and for the disk as UTF-8 ones, so that the
// checks do not lean on the converters the file system uses.
class FileSystemTest : public ::testing::Test {
 protected:
  std::string Path(const std::string& sjisName) const {
    return folder_.Root().string() + static_cast<char>(fs::path::preferred_separator) + sjisName;
  }
  static fs::path DiskName(const char8_t* utf8Name) { return fs::path(utf8Name); }

  testing::ScratchFolder folder_;
  std::unique_ptr<FileSystem> files_ = MakeSystemFileSystem();
};

TEST_F(FileSystemTest, ReadsAFileWithAJapaneseNameFromAnyOffset) {
  folder_.Put(DiskName(u8"地点.pmf"), "#abc\n");
  auto opened = files_->OpenForReading(Path("地点.pmf"));
  ASSERT_TRUE(opened.file);
  EXPECT_EQ(opened.file->Length(), 5u);
  char buffer[16];
  EXPECT_EQ(opened.file->Read(buffer), 5u);
  EXPECT_EQ(std::string(buffer, 5), "#abc\n");
  EXPECT_EQ(opened.file->Read(buffer), 0u);
  opened.file->Seek(2);
  EXPECT_EQ(opened.file->Read(buffer), 3u);
  EXPECT_EQ(std::string(buffer, 3), "bc\n");
  opened.file->Seek(50);
  EXPECT_EQ(opened.file->Read(buffer), 0u);
  opened.file->Close();
}

TEST_F(FileSystemTest, ReplacementAppearsOnlyOnCommit) {
  folder_.Put("out.pnt", "earlier content that is longer");
  {
    auto opened = files_->OpenForReplacing(Path("out.pnt"));
    ASSERT_TRUE(opened.file);
    opened.file->Write(std::string("new"));
    EXPECT_EQ(folder_.Get("out.pnt"), "earlier content that is longer");
  }
  EXPECT_EQ(folder_.Get("out.pnt"), "earlier content that is longer");
  EXPECT_EQ(folder_.EntryCount(), 1u) << "no temporary file may stay behind";

  auto opened = files_->OpenForReplacing(Path("out.pnt"));
  ASSERT_TRUE(opened.file);
  opened.file->Write(std::string("new"));
  opened.file->Commit();
  EXPECT_EQ(folder_.Get("out.pnt"), "new");
  EXPECT_EQ(folder_.EntryCount(), 1u);
}

TEST_F(FileSystemTest, TellsOneFileUnderTwoSpellingsFromTwoFiles) {
  folder_.Put("a.pnt", "a");
  folder_.Put("b.pnt", "b");
  const std::string dotted = folder_.Root().string() + static_cast<char>(fs::path::preferred_separator) +
                             "." + static_cast<char>(fs::path::preferred_separator) + "a.pnt";
  EXPECT_TRUE(files_->SameFile(Path("a.pnt"), dotted));
  EXPECT_FALSE(files_->SameFile(Path("a.pnt"), Path("b.pnt")));
  EXPECT_FALSE(files_->SameFile(Path("new.pnt"), Path("new.pnt")));
}

TEST_F(FileSystemTest, AnUncommittedNewFileNeverAppears) {
  {
    auto opened = files_->OpenForReplacing(Path("new.pnt"));
    ASSERT_TRUE(opened.file);
    opened.file->Write(std::string("partial"));
  }
  EXPECT_EQ(folder_.EntryCount(), 0u);
}

}  // namespace
}  // namespace pinmover
