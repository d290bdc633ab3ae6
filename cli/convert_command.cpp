#include "cli/convert_command.h"

#include "cli/exit_status.h"
#include "cli/path_argument.h"
#include "text/utf8_literal.h"
#include "text/path_operations.h"
#include "engine/point_conversion.h"
#include "ui/dialog/raised_error_report.h"
#include "unitfile/voice_guidance_table.h"
#include "platform/console_message_box.h"
#include "platform/system_services.h"
#include "platform/text_encoding.h"

namespace pinmover {

namespace {

std::string WrongTypeMessage(const char* which, const std::string& extensions) {
  return std::string(which) + "ファイルのファイルタイプが違います。\n拡張子[" + extensions +
         "]のファイルを選択して下さい。";
}

std::string ExtensionList(const PointFormats& formats) {
  std::string list;
  for (std::string_view extension : formats.Extensions()) {
    list += (list.empty() ? "." : " .") + std::string(extension);
  }
  return list;
}

// Each change to a point, a line each, as it happens.
class PrintedReports : public ImportReportSink {
 public:
  explicit PrintedReports(std::ostream& err) : err_(err) {}
  void Report(const ImportReport& report) override { err_ << ImportReportText(report) << '\n'; }

 private:
  std::ostream& err_;
};

void ReportLeftOut(const ConversionResult& result, std::ostream& err) {
  if (result.pointsBeyondLimit) {
    err << Utf8(u8"リストには 200 点を超える地点があります。最初の 200 点だけを書き込みました。")
        << '\n';
  } else if (result.writtenCount < result.pointCount) {
    err << Utf8(u8"地点が ") << result.pointCount << Utf8(u8" 点あります。最初の ")
        << result.writtenCount << Utf8(u8" 点だけを書き込み、残りの ")
        << result.pointCount - result.writtenCount
        << Utf8(u8" 点は書き込んでいません。すべて書き込むには --split を指定して下さい。") << '\n';
  }
}

}  // namespace

int RunConvert(const ConvertOptions& options, const std::string& applicationName, std::ostream& out,
               std::ostream& err) {
  ConsoleMessageBox boxes(err);
  ApplicationMessages messages(boxes, applicationName);

  std::optional<std::string> input = SjisPathArgument(options.input, err);
  if (!input) return exitUsage;
  std::optional<std::string> output = options.output.empty()
                                           ? std::optional<std::string>{""}
                                           : SjisPathArgument(options.output, err);
  if (!output) return exitUsage;

  std::unique_ptr<FileSystem> files = MakeSystemFileSystem();
  std::unique_ptr<Clock> clock = MakeSystemClock();
  auto reader = std::make_unique<PointListReader>(*files, messages);
  PointFormats formats(*files, *reader);
  if (!formats.ForPath(*input)) {
    boxes.Show(WrongTypeMessage("入力", ExtensionList(formats)), "Error", message_style::ok);
    return exitUsage;
  }
  if (options.datumGiven && ExtensionMatches(*input, pmfExtension)) {
    err << "Error: "
        << Utf8(u8"--datum は .pmf のリストには指定できません (.pmf の座標はそのまま書き込まれます)。")
        << '\n';
    return exitUsage;
  }
  if (output->empty()) {
    PathParts parts = SplitPath(*input);
    output = JoinPath(parts.drive, parts.directory, parts.baseName, std::string(pointFileExtension));
  } else if (!ExtensionMatches(*output, pointFileExtension)) {
    boxes.Show(WrongTypeMessage("出力", "." + std::string(pointFileExtension)), "Error",
               message_style::ok);
    return exitUsage;
  }

  auto image = std::make_unique<PointImage>(*files, *clock, messages);
  ConversionRequest request;
  request.inputPath = *input;
  request.outputPath = *output;
  request.icon = options.settings.icon;
  request.voiceCode =
      voiceGuidanceTable.at(static_cast<std::size_t>(options.settings.voice)).code;
  request.datum = options.settings.datum;
  request.writeAllInFiles = [&](std::uint64_t) { return options.settings.split; };
  PrintedReports reports(err);
  ConversionResult result;
  bool completed = RunReportingErrors(messages, *files, [&] {
    result = ConvertPoints(formats, *image, request, messages, boxes, &reports);
  });
  if (completed && result.outcome == ConversionOutcome::Converted) ReportLeftOut(result, err);
  // Numbered files written before a failure are there all the same.
  for (const WrittenFile& file : result.written) {
    out << Utf8(u8"変換しました: ") << SjisToUtf8(file.path).value_or(options.output) << " ("
        << file.points << Utf8(u8" 地点)") << '\n';
  }
  if (!completed || result.outcome != ConversionOutcome::Converted) return exitFailure;
  return exitSuccess;
}

}  // namespace pinmover
