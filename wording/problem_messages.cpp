#include "wording/problem_messages.h"

#include "formats/registry.h"

#include "wording/conversion_messages.h"
#include "wording/file_error_texts.h"
#include "wording/point_file_problem_text.h"
#include "wording/sjis_display_text.h"

namespace pinmover {

namespace {

constexpr const char* runCaption = "ERROR";

std::string LoadFailedText(const std::string& inputPath) {
  return "ファイル " + inputPath + " の読み込みに失敗しました";
}

std::string NotWellFormedText(const Problem& problem) {
  std::string where;
  if (problem.line != 0) where += std::to_string(problem.line) + " 行目";
  if (problem.column != 0) where += " " + std::to_string(problem.column) + " 文字目";
  return LoadFailedText(problem.path) + "\n" + (where.empty() ? "" : where + "で") +
         "ファイルの形式が正しくありません: " + SjisDisplayText(problem.detail);
}

std::string NoPointsText(const Problem& problem) {
  std::string text = problem.path.empty() ? std::string("どのファイルにも変換できる地点がありません")
                                          : "ファイル " + problem.path + " に変換できる地点がありません";
  if (problem.count != 0) {
    text += "\nルートやトラックの点 (" + std::to_string(problem.count) +
            " 点) は地点ではないため変換しません。地点 (ウェイポイント) として保存して下さい。";
  }
  return text;
}

// What the conversion itself says under "ERROR"; nothing for a problem it has no words for.
std::string RunText(const Problem& problem) {
  switch (problem.kind) {
    case ProblemKind::NotAPointList:
    case ProblemKind::ListOpenFailed: return LoadFailedText(problem.path);
    case ProblemKind::NotWellFormed: return NotWellFormedText(problem);
    case ProblemKind::Refused:
      return LoadFailedText(problem.path) + "\n" +
             "安全のため読み込まない内容があります: " + SjisDisplayText(problem.detail);
    case ProblemKind::ArchiveNotZip:
      return LoadFailedText(problem.path) + "\nKMZ (ZIP 形式のファイル) ではありません。";
    case ProblemKind::ArchiveDamaged:
      return LoadFailedText(problem.path) +
             "\nKMZ ファイルが壊れているか、途中で切れています。"
             "地図アプリからもう一度ダウンロードするか、保存し直して下さい。";
    case ProblemKind::ArchiveEncrypted:
      return LoadFailedText(problem.path) +
             "\nKMZ の中の KML ファイルがパスワードで暗号化されています。";
    case ProblemKind::ArchiveMethodUnknown:
      return LoadFailedText(problem.path) + "\nKMZ の中の KML ファイルは対応していない方式 (" +
             std::to_string(problem.count) + ") で圧縮されています。";
    case ProblemKind::ArchiveWithoutKml:
      return LoadFailedText(problem.path) + "\nKMZ の中に KML ファイルがありません。";
    case ProblemKind::ArchiveTooLarge:
      return LoadFailedText(problem.path) + "\nKMZ の中の KML ファイルが大きすぎます (" +
             std::to_string(problem.count >> 20) + " MB まで)。";
    case ProblemKind::NetworkLinkOnly:
      return "ファイル " + problem.path +
             " には地点がなく、地図へのネットワークリンクだけがあります:\n" +
             SjisDisplayText(problem.detail) +
             "\n\nマイマップで地図を KML/KMZ にエクスポートし直して下さい。その際、"
             "「データを最新の状態に保つ」(ネットワーク リンク KML) のチェックを外すと、"
             "地点そのものが保存されます。";
    case ProblemKind::ListWithoutPositions:
      return LoadFailedText(problem.path) +
             "\nリストのどの場所にも緯度・経度がありません。Google マップの保存済みリストは、"
             "場所の座標を持っていません。\n"
             "座標を付けるには、この CSV をマイマップに読み込み (インポートし)、"
             "マイマップが場所を見つけたら、地図を KML か KMZ にエクスポートして、"
             "そのファイルを変換して下さい。";
    case ProblemKind::MissingColumns:
      return LoadFailedText(problem.path) + "\n" +
             "緯度と経度の列が見つかりません。1 行目にある列: " + SjisDisplayText(problem.detail);
    case ProblemKind::DamagedPointFile: {
      std::vector<std::string> causes;
      for (const Problem& cause : problem.causes) {
        if (causes.size() == maxListedEntries) break;
        causes.push_back(PointFileProblemText(cause));
      }
      return LoadFailedText(problem.path) + "\n地点ファイルが壊れています:\n" +
             ListedEntries(causes, problem.causes.size());
    }
    case ProblemKind::OutputIsInput:
      return "出力ファイルが入力ファイル " + problem.path +
             " と同じです。入力を書き換えないよう、別の出力ファイルを指定して下さい。";
    case ProblemKind::NoPoints: return NoPointsText(problem);
    default: return {};
  }
}

}  // namespace

std::vector<Message> ProblemMessages(const Problem& problem, FileSystem& files) {
  const unsigned applicationStyle = message_style::ok | message_style::iconExclamation;
  std::vector<Message> messages;
  switch (problem.kind) {
    case ProblemKind::NotAPointList:
      messages.push_back({problem.path + "\n    は認識できないファイルです", {}, applicationStyle});
      break;
    case ProblemKind::ListOpenFailed:
      if (problem.cause != FileErrorCause::None) {
        messages.push_back({ListOpenFailureText(problem.cause), {}, applicationStyle});
      }
      break;
    case ProblemKind::FileOpenFailed:
      messages.push_back({OpenFailureMessage(problem.cause, problem.path), {}, applicationStyle});
      break;
    case ProblemKind::FileFailed:
      messages.push_back(
          {FileErrorReport(problem.cause, problem.path.empty() ? "" : files.FullPath(problem.path)),
           {},
           message_style::iconStop});
      break;
    default: break;
  }
  if (std::string text = RunText(problem); !text.empty()) {
    messages.push_back({std::move(text), runCaption, message_style::ok});
  }
  return messages;
}

Message OutOfMemoryMessage() {
  return {"ﾒﾓﾘが不足しています。", {}, message_style::systemModal | message_style::iconExclamation};
}

std::string WrongTypeText(std::string_view which, std::string_view extensions) {
  return std::string(which) + "ファイルのファイルタイプが違います。\n拡張子[" +
         std::string(extensions) + "]のファイルを選択して下さい。";
}

std::string ReadExtensionList() {
  std::string list;
  for (std::string_view extension : ReadExtensions()) {
    list += (list.empty() ? "." : " .") + std::string(extension);
  }
  return list;
}

}  // namespace pinmover
