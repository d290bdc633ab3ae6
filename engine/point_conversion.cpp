#include "engine/point_conversion.h"

#include <exception>

#include "engine/import_pipeline.h"
#include "text/path_operations.h"
#include "engine/point_file_writer.h"
#include "wording/sjis_display_text.h"
#include "wording/list_open_failure.h"

namespace pinmover {

namespace {

constexpr const char* runCaption = "ERROR";

std::string LoadFailedText(const std::string& inputPath) {
  return "ファイル " + inputPath + " の読み込みに失敗しました";
}

std::string ReadFailureText(const ReadFailure& failure, const std::string& inputPath) {
  const std::string detail = SjisDisplayText(failure.detail);
  switch (failure.kind) {
    case ReadFailure::Kind::NotWellFormed: {
      std::string where;
      if (failure.line != 0) where += std::to_string(failure.line) + " 行目";
      if (failure.column != 0) where += " " + std::to_string(failure.column) + " 文字目";
      return LoadFailedText(inputPath) + "\n" + (where.empty() ? "" : where + "で") +
             "ファイルの形式が正しくありません: " + detail;
    }
    case ReadFailure::Kind::Refused:
      return LoadFailedText(inputPath) + "\n" + "安全のため読み込まない内容があります: " + detail;
    case ReadFailure::Kind::CompressedKml:
      return "ファイル " + inputPath +
             " は KMZ (圧縮された KML) のため読み込めません。\n"
             "地図アプリで KML 形式で保存し直すか、KMZ ファイルを展開して中の doc.kml を変換して下さい。";
    case ReadFailure::Kind::MissingColumns:
      return LoadFailedText(inputPath) + "\n" +
             "緯度と経度の列が見つかりません。1 行目にある列: " + detail;
    case ReadFailure::Kind::OpenFailed:
    case ReadFailure::Kind::ReportedByReader:
      break;
  }
  return LoadFailedText(inputPath);
}

std::string NoPointsText(const ReadResult& read, const std::string& inputPath) {
  std::string text = "ファイル " + inputPath + " に変換できる地点がありません";
  if (read.routeAndTrackPoints != 0) {
    text += "\nルートやトラックの点 (" + std::to_string(read.routeAndTrackPoints) +
            " 点) は地点ではないため変換しません。地点 (ウェイポイント) として保存して下さい。";
  }
  return text;
}

}  // namespace

std::string NumberedOutputPath(const std::string& outputPath, std::uint64_t number) {
  PathParts parts = SplitPath(outputPath);
  return JoinPath(parts.drive, parts.directory, parts.baseName + "-" + std::to_string(number),
                  parts.extension);
}

ConversionResult ConvertPoints(const PointFormats& formats, PointImage& image,
                               const ConversionRequest& request, ApplicationMessages& messages,
                               MessageBoxService& runMessages, ImportReportSink* reports) {
  ConversionResult result;
  PointFormat* format = formats.ForPath(request.inputPath);
  if (!format) {
    runMessages.Show(LoadFailedText(request.inputPath), runCaption, message_style::ok);
    return result;
  }

  ImportPipeline pipeline(request.datum, reports);
  ReadResult read = format->Read(request.inputPath, pipeline);
  if (read.failure) {
    if (read.failure->kind == ReadFailure::Kind::OpenFailed) {
      messages.Show(ListOpenFailureText(read.failure->cause));
    }
    runMessages.Show(ReadFailureText(*read.failure, request.inputPath), runCaption,
                     message_style::ok);
    return result;
  }
  result.pointCount = pipeline.PointCount();
  result.pointsBeyondLimit = read.pointsBeyondLimit;
  // Writing an empty list would report success with no file to show for it.
  if (result.pointCount == 0) {
    runMessages.Show(NoPointsText(read, request.inputPath), runCaption, message_style::ok);
    result.outcome = ConversionOutcome::NoPoints;
    return result;
  }

  auto write = [&](std::span<const UnitPoint> points, const std::string& path) {
    if (WritePointFile(image, points, request.icon, request.voiceCode, path) != 0) return false;
    result.written.push_back(WrittenFile{path, points.size()});
    result.writtenCount += points.size();
    return true;
  };

  const bool oneFile = result.pointCount <= static_cast<std::uint64_t>(maxPointsPerFile) ||
                       !request.writeAllInFiles || !request.writeAllInFiles(result.pointCount);
  if (oneFile) {
    result.outcome = write(pipeline.Batch(), request.outputPath) ? ConversionOutcome::Converted
                                                                 : ConversionOutcome::WriteRefused;
    return result;
  }

  // The list is read once more, now writing each file as it fills, so that no more than one
  // file's points are ever held however long the list is. Its changes were reported already.
  // Nothing may be thrown through a parser, so a failed file only stops the writing, and a
  // file error waits until the read has returned.
  std::uint64_t fileNumber = 0;
  bool refused = false;
  std::exception_ptr raised;
  auto writeNext = [&](std::span<const UnitPoint> points) {
    if (refused || raised) return;
    try {
      refused = !write(points, NumberedOutputPath(request.outputPath, ++fileNumber));
    } catch (...) {
      raised = std::current_exception();
    }
  };
  ImportPipeline numbered(request.datum, nullptr, writeNext);
  ReadResult again = format->Read(request.inputPath, numbered);
  if (raised) std::rethrow_exception(raised);
  if (again.failure) {
    runMessages.Show(ReadFailureText(*again.failure, request.inputPath), runCaption,
                     message_style::ok);
    return result;
  }
  if (!numbered.Batch().empty()) writeNext(numbered.Batch());
  if (raised) std::rethrow_exception(raised);
  if (refused) {
    result.outcome = ConversionOutcome::WriteRefused;
    return result;
  }
  result.outcome = ConversionOutcome::Converted;
  return result;
}

}  // namespace pinmover
