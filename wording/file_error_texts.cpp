#include "wording/file_error_texts.h"

#include <array>
#include <string_view>

namespace pinmover {

namespace {

struct CauseTexts {
  std::string_view openFailure;
  std::string_view report;  // %1 stands for the full path
};

// Indexed by the cause's number.
constexpr std::array<CauseTexts, 15> causeTexts = {{
    {"エラーなし", "ｴﾗｰはありませんでした。"},
    {"未定義エラー", "%1 へのｱｸｾｽ中に不明なｴﾗｰが発生しました。"},
    {"ファイル未定義", "%1 が見つかりませんでした。"},
    {"不正パス", "%1 には無効なﾊﾟｽが含まれています。"},
    {"オープン ファイル数超過", "開いているﾌｧｲﾙが多すぎるため、%1 を開けませんでした。"},
    {"ファイル アクセス禁止", "%1 へのｱｸｾｽは拒否されました。"},
    {"不正ファイル ハンドル使用", "%1 へ無効なﾌｧｲﾙ ﾊﾝﾄﾞﾙが関連付けられていました。"},
    {"作業中のカレント ディレクトリの削除不可", "現在のﾃﾞｨﾚｸﾄﾘ %1 は削除できませんでした。"},
    {"ディレクトリ フル", "%1 を作成できませんでした。そのﾃﾞｨﾚｸﾄﾘはいっぱいです。"},
    {"ファイル ポインタ設定エラー", "%1 のｼｰｸに失敗しました。"},
    {"ハードウェア エラー", "%1 へのｱｸｾｽ中にﾊｰﾄﾞｳｪｱ I/O ｴﾗｰが報告されました。"},
    {"SHARE.EXE 未ロードまたは共有領域ロック済み", "%1 へのｱｸｾｽ中に共有違反が発生しました。"},
    {"ロック済み領域のロック要求", "%1 へのｱｸｾｽ中にﾛｯｸ違反が発生しました。"},
    {"ディスク フル", "%1 へのｱｸｾｽ中にﾃﾞｨｽｸがいっぱいになりました。"},
    {"ファイルの終わりに到達", "%1 の末尾以降にｱｸｾｽしようとしました。"},
}};

constexpr std::string_view unknownCauseText = "原因不明です";
constexpr std::string_view untitledFile = "無題のﾌｧｲﾙ";
constexpr std::string_view pathMarker = "%1";

const CauseTexts* TextsOf(FileErrorCause cause) {
  const auto index = static_cast<std::size_t>(static_cast<int>(cause));
  return index < causeTexts.size() ? &causeTexts[index] : nullptr;
}

}  // namespace

std::string ListOpenFailureText(FileErrorCause cause) {
  switch (cause) {
    case FileErrorCause::None: return {};
    case FileErrorCause::FileNotFound: return "ファイルが見つかりませんでした。";
    case FileErrorCause::AccessDenied: return "ファイル アクセス禁止";
    case FileErrorCause::SharingViolation: return "ファイルの共有違反です";
    default: return "読み込みに失敗しました。";
  }
}

std::string OpenFailureText(FileErrorCause cause) {
  const CauseTexts* texts = TextsOf(cause);
  return std::string(texts ? texts->openFailure : unknownCauseText);
}

std::string FileErrorReport(FileErrorCause cause, const std::string& fullPath) {
  const CauseTexts* texts = TextsOf(cause);
  std::string_view report = (texts ? *texts : causeTexts[1]).report;
  std::string_view name = fullPath.empty() ? untitledFile : std::string_view(fullPath);
  std::string text;
  for (std::size_t marker; (marker = report.find(pathMarker)) != std::string_view::npos;) {
    text.append(report.substr(0, marker)).append(name);
    report.remove_prefix(marker + pathMarker.size());
  }
  return text.append(report);
}

std::string OpenFailureMessage(FileErrorCause cause, const std::string& path) {
  return "\"" + path + "\"\n\n" + OpenFailureText(cause);
}

}  // namespace pinmover
