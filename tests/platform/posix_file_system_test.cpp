#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/posix/errno_causes.h"
#include "platform/system_services.h"
#include "platform/text_encoding.h"
#include "tests/fakes/scratch_folder.h"

namespace pinmover {
namespace {

namespace fs = std::filesystem;

class PosixFileSystemTest : public ::testing::Test {
 protected:
  // Names are Shift-JIS, as the program holds them; the disk holds them as UTF-8.
  std::string Path(const std::string& name) const {
    return *Utf8ToSjis(folder_.Root().string()) + "/" + name;
  }
  void Put(const std::string& name, const std::string& content) const {
    folder_.Put(*SjisToUtf8(name), content);
  }
  std::string Get(const std::string& name) const { return folder_.Get(*SjisToUtf8(name)); }

  testing::ScratchFolder folder_;
  std::unique_ptr<FileSystem> files_ = MakeSystemFileSystem();
};

TEST_F(PosixFileSystemTest, OpenFailuresHaveTheirCauses) {
  EXPECT_EQ(files_->OpenForReading(Path("missing.pmf")).cause, FileErrorCause::FileNotFound);
  EXPECT_EQ(files_->OpenForReading(Path("no/such/list.pmf")).cause, FileErrorCause::BadPath);
  fs::create_directory(folder_ / "folder.pmf");
  EXPECT_EQ(files_->OpenForReading(Path("folder.pmf")).cause, FileErrorCause::AccessDenied);
  ASSERT_EQ(::mkfifo((folder_ / "pipe.pmf").c_str(), 0600), 0);
  EXPECT_EQ(files_->OpenForReading(Path("pipe.pmf")).cause, FileErrorCause::InvalidFile);
  EXPECT_EQ(files_->OpenForReading("\x83").cause, FileErrorCause::BadPath);

  EXPECT_EQ(files_->OpenForReplacing(Path("no/such/out.pnt")).cause, FileErrorCause::BadPath);
  EXPECT_EQ(files_->OpenForReplacing(Path("folder.pmf")).cause, FileErrorCause::AccessDenied);
  EXPECT_EQ(files_->OpenForReplacing("").cause, FileErrorCause::BadPath);
}

TEST_F(PosixFileSystemTest, AFileHeldByAnotherOpenerIsASharingViolation) {
  Put("held.pmf", "x");
  Put("held.pnt", "x");
  auto reading = files_->OpenForReading(Path("held.pmf"));
  ASSERT_TRUE(reading.file);
  EXPECT_EQ(files_->OpenForReading(Path("held.pmf")).cause, FileErrorCause::SharingViolation);

  int other = ::open((folder_ / "held.pnt").c_str(), O_RDONLY);
  ASSERT_EQ(::flock(other, LOCK_SH), 0);
  EXPECT_EQ(files_->OpenForReplacing(Path("held.pnt")).cause, FileErrorCause::SharingViolation);
  ::close(other);
  EXPECT_TRUE(files_->OpenForReplacing(Path("held.pnt")).file);
}

TEST_F(PosixFileSystemTest, ReplacesAFileWhoseNameIsAsLongAsANameMayBe) {
  const std::string name = std::string(251, 'n') + ".pnt";
  auto opened = files_->OpenForReplacing(Path(name));
  ASSERT_TRUE(opened.file) << "cause " << static_cast<int>(opened.cause);
  opened.file->Write(std::string("new"));
  opened.file->Commit();
  EXPECT_EQ(Get(name), "new");
  EXPECT_EQ(folder_.EntryCount(), 1u);
}

TEST_F(PosixFileSystemTest, ReplacementKeepsPermissionsAndFollowsLinks) {
  Put("real.pnt", "old");
  fs::permissions(folder_ / "real.pnt", fs::perms(0640));
  fs::create_symlink(folder_ / "real.pnt", folder_ / "link.pnt");
  auto opened = files_->OpenForReplacing(Path("link.pnt"));
  ASSERT_TRUE(opened.file);
  opened.file->Write(std::string("new"));
  opened.file->Commit();
  EXPECT_TRUE(fs::is_symlink(folder_ / "link.pnt"));
  EXPECT_EQ(Get("real.pnt"), "new");
  EXPECT_EQ(fs::status(folder_ / "real.pnt").permissions(), fs::perms(0640));
}

TEST_F(PosixFileSystemTest, UnwritableTargetsAreRefusedBeforeAnythingIsWritten) {
  if (::geteuid() == 0) GTEST_SKIP() << "permissions do not bind the superuser";
  Put("readonly.pnt", "keep");
  fs::permissions(folder_ / "readonly.pnt", fs::perms::owner_read);
  EXPECT_EQ(files_->OpenForReplacing(Path("readonly.pnt")).cause, FileErrorCause::AccessDenied);
  EXPECT_EQ(Get("readonly.pnt"), "keep");
}

TEST_F(PosixFileSystemTest, FullPathIsAbsolute) {
  EXPECT_EQ(files_->FullPath("/abs/x.pnt"), "/abs/x.pnt");
  std::string full = files_->FullPath("x.pnt");
  EXPECT_EQ(full.front(), '/');
  EXPECT_TRUE(full.ends_with("/x.pnt"));
}

TEST(ErrnoCauses, SortsTheSystemsCodes) {
  EXPECT_EQ(CauseFromErrno(ENOENT), FileErrorCause::FileNotFound);
  EXPECT_EQ(CauseFromErrno(ENOTDIR), FileErrorCause::BadPath);
  EXPECT_EQ(CauseFromErrno(EMFILE), FileErrorCause::TooManyOpenFiles);
  EXPECT_EQ(CauseFromErrno(EACCES), FileErrorCause::AccessDenied);
  EXPECT_EQ(CauseFromErrno(EROFS), FileErrorCause::AccessDenied);
  EXPECT_EQ(CauseFromErrno(EIO), FileErrorCause::HardIO);
  EXPECT_EQ(CauseFromErrno(EWOULDBLOCK), FileErrorCause::SharingViolation);
  EXPECT_EQ(CauseFromErrno(ENOSPC), FileErrorCause::DiskFull);
  EXPECT_EQ(CauseFromErrno(EDQUOT), FileErrorCause::DiskFull);
  EXPECT_EQ(CauseFromErrno(E2BIG), FileErrorCause::Generic);
}

}  // namespace
}  // namespace pinmover
