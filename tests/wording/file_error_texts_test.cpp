#include "wording/file_error_texts.h"

#include <gtest/gtest.h>

namespace pinmover {
namespace {

TEST(OpenFailureText, NamesEachCause) {
  EXPECT_EQ(OpenFailureText(FileErrorCause::None), "エラーなし");
  EXPECT_EQ(OpenFailureText(FileErrorCause::BadPath), "不正パス");
  EXPECT_EQ(OpenFailureText(FileErrorCause::AccessDenied), "ファイル アクセス禁止");
  EXPECT_EQ(OpenFailureText(FileErrorCause::SharingViolation),
            "SHARE.EXE 未ロードまたは共有領域ロック済み");
  EXPECT_EQ(OpenFailureText(FileErrorCause::EndOfFile), "ファイルの終わりに到達");
}

TEST(OpenFailureText, HasAnAnswerForAnUnknownCause) {
  EXPECT_EQ(OpenFailureText(static_cast<FileErrorCause>(15)), "原因不明です");
  EXPECT_EQ(OpenFailureText(static_cast<FileErrorCause>(-1)), "原因不明です");
}

TEST(FileErrorReport, PutsTheFullPathInItsPlace) {
  EXPECT_EQ(FileErrorReport(FileErrorCause::DiskFull, "C:\\地点\\out.pnt"),
            "C:\\地点\\out.pnt へのｱｸｾｽ中にﾃﾞｨｽｸがいっぱいになりました。");
  EXPECT_EQ(FileErrorReport(FileErrorCause::DirectoryFull, "C:\\a.pnt"),
            "C:\\a.pnt を作成できませんでした。そのﾃﾞｨﾚｸﾄﾘはいっぱいです。");
  EXPECT_EQ(FileErrorReport(FileErrorCause::None, "C:\\a.pnt"), "ｴﾗｰはありませんでした。");
}

TEST(FileErrorReport, CallsAFileWithoutPathUntitled) {
  EXPECT_EQ(FileErrorReport(FileErrorCause::HardIO, ""),
            "無題のﾌｧｲﾙ へのｱｸｾｽ中にﾊｰﾄﾞｳｪｱ I/O ｴﾗｰが報告されました。");
}

TEST(FileErrorReport, LeavesAMarkerInsideThePathAlone) {
  EXPECT_EQ(FileErrorReport(FileErrorCause::FileNotFound, "C:\\%1.pnt"),
            "C:\\%1.pnt が見つかりませんでした。");
}

TEST(FileErrorReport, ReportsAnUnknownCauseAsAnUnspecifiedError) {
  EXPECT_EQ(FileErrorReport(static_cast<FileErrorCause>(99), "C:\\a.pnt"),
            "C:\\a.pnt へのｱｸｾｽ中に不明なｴﾗｰが発生しました。");
}

}  // namespace
}  // namespace pinmover
