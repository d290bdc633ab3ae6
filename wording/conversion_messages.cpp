#include "wording/conversion_messages.h"

#include "text/path_operations.h"
#include "unitfile/point_file_layout.h"

namespace pinmover {

namespace {

constexpr const char* finished = "変換が終了しました。\n";
constexpr const char* pressOk = "OKボタンを押して下さい。";

std::string FileName(const std::string& path) {
  PathParts parts = SplitPath(path);
  return parts.baseName + parts.extension;
}

}  // namespace

std::string ListedEntries(const std::vector<std::string>& entries, std::uint64_t total) {
  std::string text;
  for (const std::string& entry : entries) text += (text.empty() ? "" : "\n") + entry;
  if (total > entries.size()) text += "\nほか " + std::to_string(total - entries.size()) + " 件";
  return text;
}

std::string CompletionText(const ConversionResult& result) {
  if (result.written.size() == 1 && result.writtenCount < result.pointCount) {
    return finished + std::to_string(result.pointCount) + " 地点のうち、最初の " +
           std::to_string(result.writtenCount) + " 地点を " + FileName(result.written[0].path) +
           " に書き込みました。\n" + pressOk;
  }
  if (result.written.size() <= 1) return std::string(finished) + pressOk;
  std::vector<std::string> files;
  for (const WrittenFile& file : result.written) {
    if (files.size() == maxListedEntries) break;
    files.push_back(FileName(file.path) + " (" + std::to_string(file.points) + " 地点)");
  }
  return finished + std::to_string(result.writtenCount) + " 地点を次の " +
         std::to_string(result.written.size()) + " つのファイルに書き込みました。\n" +
         ListedEntries(files, result.written.size()) + "\n" + pressOk;
}

std::string LeftOutText(const ConversionResult& result, bool splitPossible) {
  const std::string perFile = std::to_string(maxPointsPerFile);
  if (result.pointsBeyondLimit) {
    return "リストには " + perFile + " 点を超える地点があります。最初の " + perFile +
           " 点だけを書き込みました。";
  }
  if (result.writtenCount < result.pointCount) {
    return "地点が " + std::to_string(result.pointCount) + " 点あります。最初の " +
           std::to_string(result.writtenCount) + " 点だけを書き込み、残りの " +
           std::to_string(result.pointCount - result.writtenCount) +
           " 点は書き込んでいません。" +
           (splitPossible ? "すべて書き込むには --split を指定して下さい。"
                          : "1 つのファイルに書き込めるのは " + perFile + " 点までです。");
  }
  return {};
}

}  // namespace pinmover
