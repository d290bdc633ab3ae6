#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/process_environment.h"
#include "platform/system_services.h"
#include "platform/win32/error_code_causes.h"
#include "tests/fakes/scratch_folder.h"

namespace pinmover {
namespace {

namespace fs = std::filesystem;

// Names on disk are written here as UTF-16 and, for the program, as Shift-JIS literals, so
// that the checks do not lean on the converters under test.
class Win32FileSystemTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(folder_.Root().string().find_first_not_of(
                  "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789:\\/-_."),
              std::string::npos)
        << "the test folder's name must be plain ASCII";
  }

  std::string Path(const std::string& name) const { return folder_.Root().string() + "\\" + name; }
  fs::path Native(const std::u16string& name) const {
    return folder_ / std::wstring(name.begin(), name.end());
  }
  void Put(const std::u16string& name, const std::string& content) const {
    folder_.Put(std::wstring(name.begin(), name.end()), content);
  }
  std::string Get(const std::u16string& name) const {
    return folder_.Get(std::wstring(name.begin(), name.end()));
  }
  // Another program's handle on the file, sharing as generously as an editor does.
  HANDLE HoldOpen(const std::u16string& name) const {
    return ::CreateFileW(Native(name).c_str(), GENERIC_READ | GENERIC_WRITE,
                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                         OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  }

  testing::ScratchFolder folder_;
  std::unique_ptr<FileSystem> files_ = MakeSystemFileSystem();
};

TEST_F(Win32FileSystemTest, ReplacesAFileWithAJapaneseName) {
  auto opened = files_->OpenForReplacing(Path("出力ﾃﾞｰﾀ.pnt"));
  ASSERT_TRUE(opened.file);
  opened.file->Write(std::string("new"));
  opened.file->Commit();
  EXPECT_EQ(Get(u"出力ﾃﾞｰﾀ.pnt"), "new");
  EXPECT_EQ(folder_.EntryCount(), 1u);
}

TEST_F(Win32FileSystemTest, OpenFailuresHaveTheirCauses) {
  EXPECT_EQ(files_->OpenForReading(Path("missing.pmf")).cause, FileErrorCause::FileNotFound);
  EXPECT_EQ(files_->OpenForReading(Path("no\\such\\list.pmf")).cause, FileErrorCause::BadPath);
  fs::create_directory(folder_ / "folder.pnt");
  EXPECT_EQ(files_->OpenForReading(Path("folder.pnt")).cause, FileErrorCause::AccessDenied);
  EXPECT_EQ(files_->OpenForReading("NUL").cause, FileErrorCause::InvalidFile);
  EXPECT_EQ(files_->OpenForReading("\x83").cause, FileErrorCause::BadPath);

  EXPECT_EQ(files_->OpenForReplacing(Path("no\\such\\out.pnt")).cause, FileErrorCause::BadPath);
  EXPECT_EQ(files_->OpenForReplacing(Path("folder.pnt")).cause, FileErrorCause::AccessDenied);
  EXPECT_EQ(files_->OpenForReplacing("").cause, FileErrorCause::BadPath);
  EXPECT_EQ(folder_.EntryCount(), 1u) << "a refused output leaves nothing behind";
}

TEST_F(Win32FileSystemTest, AReadOnlyOutputIsRefusedUntouched) {
  Put(u"readonly.pnt", "keep");
  ASSERT_TRUE(::SetFileAttributesW(Native(u"readonly.pnt").c_str(), FILE_ATTRIBUTE_READONLY));
  EXPECT_EQ(files_->OpenForReplacing(Path("readonly.pnt")).cause, FileErrorCause::AccessDenied);
  EXPECT_EQ(Get(u"readonly.pnt"), "keep");
  EXPECT_EQ(folder_.EntryCount(), 1u);
}

TEST_F(Win32FileSystemTest, AFileInUseElsewhereIsASharingViolation) {
  Put(u"list.pmf", "x");
  Put(u"out.pnt", "x");
  {
    auto reading = files_->OpenForReading(Path("list.pmf"));
    ASSERT_TRUE(reading.file);
    EXPECT_EQ(files_->OpenForReading(Path("list.pmf")).cause, FileErrorCause::SharingViolation);
    // Unlike an advisory lock, share mode 0 keeps out programs that ask for nothing.
    EXPECT_EQ(HoldOpen(u"list.pmf"), INVALID_HANDLE_VALUE);
    EXPECT_EQ(::GetLastError(), static_cast<DWORD>(ERROR_SHARING_VIOLATION));
  }

  HANDLE other = HoldOpen(u"out.pnt");
  ASSERT_NE(other, INVALID_HANDLE_VALUE);
  EXPECT_EQ(files_->OpenForReplacing(Path("out.pnt")).cause, FileErrorCause::SharingViolation);
  ::CloseHandle(other);
  EXPECT_TRUE(files_->OpenForReplacing(Path("out.pnt")).file);
  EXPECT_EQ(folder_.EntryCount(), 2u);
}

TEST_F(Win32FileSystemTest, ATargetTakenBeforeCommitKeepsItsContent) {
  Put(u"out.pnt", "earlier");
  {
    auto opened = files_->OpenForReplacing(Path("out.pnt"));
    ASSERT_TRUE(opened.file);
    opened.file->Write(std::string("new"));
    HANDLE other = HoldOpen(u"out.pnt");
    ASSERT_NE(other, INVALID_HANDLE_VALUE);
    try {
      opened.file->Commit();
      ADD_FAILURE() << "a file held open cannot be replaced";
    } catch (const FileError& error) {
      EXPECT_TRUE(error.Cause() == FileErrorCause::SharingViolation ||
                  error.Cause() == FileErrorCause::AccessDenied)
          << static_cast<int>(error.Cause());
      EXPECT_EQ(error.Path(), Path("out.pnt"));
    }
    ::CloseHandle(other);
  }
  EXPECT_EQ(Get(u"out.pnt"), "earlier");
  EXPECT_EQ(folder_.EntryCount(), 1u);
}

TEST_F(Win32FileSystemTest, FullPathIsAbsolute) {
  EXPECT_EQ(files_->FullPath("C:\\abs\\x.pnt"), "C:\\abs\\x.pnt");
  EXPECT_EQ(files_->FullPath("C:\\abs\\sub\\..\\地点.pnt"), "C:\\abs\\地点.pnt");
  std::string full = files_->FullPath("地点.pnt");
  EXPECT_EQ(full.substr(1, 2), ":\\");
  EXPECT_TRUE(full.ends_with("\\地点.pnt"));
}

TEST_F(Win32FileSystemTest, CurrentDirectoryIsShiftJis) {
  fs::create_directory(Native(u"作業"));
  wchar_t earlier[MAX_PATH];
  ASSERT_NE(::GetCurrentDirectoryW(MAX_PATH, earlier), 0u);
  ASSERT_TRUE(::SetCurrentDirectoryW(Native(u"作業").c_str()));
  std::string current = CurrentDirectory();
  ::SetCurrentDirectoryW(earlier);
  EXPECT_EQ(current, Path("作業"));
}

TEST(ErrorCodeCauses, SortsTheSystemsCodes) {
  EXPECT_EQ(CauseFromErrorCode(ERROR_SUCCESS), FileErrorCause::None);
  EXPECT_EQ(CauseFromErrorCode(ERROR_FILE_NOT_FOUND), FileErrorCause::FileNotFound);
  EXPECT_EQ(CauseFromErrorCode(ERROR_PATH_NOT_FOUND), FileErrorCause::BadPath);
  EXPECT_EQ(CauseFromErrorCode(ERROR_INVALID_NAME), FileErrorCause::BadPath);
  EXPECT_EQ(CauseFromErrorCode(ERROR_FILENAME_EXCED_RANGE), FileErrorCause::BadPath);
  EXPECT_EQ(CauseFromErrorCode(ERROR_TOO_MANY_OPEN_FILES), FileErrorCause::TooManyOpenFiles);
  EXPECT_EQ(CauseFromErrorCode(ERROR_ACCESS_DENIED), FileErrorCause::AccessDenied);
  EXPECT_EQ(CauseFromErrorCode(ERROR_WRITE_PROTECT), FileErrorCause::AccessDenied);
  EXPECT_EQ(CauseFromErrorCode(ERROR_INVALID_HANDLE), FileErrorCause::InvalidFile);
  EXPECT_EQ(CauseFromErrorCode(ERROR_CURRENT_DIRECTORY), FileErrorCause::RemoveCurrentDir);
  EXPECT_EQ(CauseFromErrorCode(ERROR_CANNOT_MAKE), FileErrorCause::DirectoryFull);
  EXPECT_EQ(CauseFromErrorCode(ERROR_NEGATIVE_SEEK), FileErrorCause::BadSeek);
  EXPECT_EQ(CauseFromErrorCode(ERROR_CRC), FileErrorCause::HardIO);
  EXPECT_EQ(CauseFromErrorCode(ERROR_NOT_READY), FileErrorCause::HardIO);
  EXPECT_EQ(CauseFromErrorCode(ERROR_SHARING_VIOLATION), FileErrorCause::SharingViolation);
  EXPECT_EQ(CauseFromErrorCode(ERROR_LOCK_VIOLATION), FileErrorCause::LockViolation);
  EXPECT_EQ(CauseFromErrorCode(ERROR_DISK_FULL), FileErrorCause::DiskFull);
  EXPECT_EQ(CauseFromErrorCode(ERROR_HANDLE_DISK_FULL), FileErrorCause::DiskFull);
  EXPECT_EQ(CauseFromErrorCode(ERROR_HANDLE_EOF), FileErrorCause::EndOfFile);
  EXPECT_EQ(CauseFromErrorCode(ERROR_NOT_ENOUGH_MEMORY), FileErrorCause::Generic);
}

}  // namespace
}  // namespace pinmover
