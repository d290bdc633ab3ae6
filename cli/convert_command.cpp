#include "cli/convert_command.h"

#include <optional>

#include "cli/exit_status.h"
#include "cli/utf8_text.h"
#include "core/path_operations.h"
#include "core/point_list_conversion.h"
#include "core/raised_error_report.h"
#include "core/voice_guidance_table.h"
#include "platform/console_message_box.h"
#include "platform/system_services.h"
#include "platform/text_encoding.h"

namespace pinmover {

namespace {

constexpr const char* inputExtension = "pmf";
constexpr const char* outputExtension = "pnt";

std::string WrongTypeMessage(const char* which, const char* extension) {
  return std::string(which) + "ファイルのファイルタイプが違います。\n拡張子[." + extension +
         "]のファイルを選択して下さい。";
}

}  // namespace

int RunConvert(const ConvertOptions& options, const std::string& applicationName, std::ostream& out,
               std::ostream& err) {
  ConsoleMessageBox boxes(err);
  ApplicationMessages messages(boxes, applicationName);

  std::optional<std::string> input = Utf8ToSjis(options.input);
  std::optional<std::string> output =
      options.output.empty() ? std::optional<std::string>{""} : Utf8ToSjis(options.output);
  // A name Shift-JIS cannot hold would turn into another file's name.
  if (!input || !output) {
    err << "Error: " << Utf8(u8"ファイル名に Shift-JIS で表せない文字が含まれています: ")
        << (input ? options.output : options.input) << '\n';
    return exitUsage;
  }
  if (!ExtensionMatches(*input, inputExtension)) {
    boxes.Show(WrongTypeMessage("入力", inputExtension), "Error", message_style::ok);
    return exitUsage;
  }
  if (output->empty()) {
    PathParts parts = SplitPath(*input);
    output = JoinPath(parts.drive, parts.directory, parts.baseName, outputExtension);
  } else if (!ExtensionMatches(*output, outputExtension)) {
    boxes.Show(WrongTypeMessage("出力", outputExtension), "Error", message_style::ok);
    return exitUsage;
  }

  std::unique_ptr<FileSystem> files = MakeSystemFileSystem();
  std::unique_ptr<Clock> clock = MakeSystemClock();
  auto reader = std::make_unique<PointListReader>(*files, messages);
  auto image = std::make_unique<PointImage>(*files, *clock, messages);
  std::uint16_t voiceCode = voiceGuidanceTable.at(static_cast<std::size_t>(options.voice)).code;
  ConversionOutcome outcome = ConversionOutcome::LoadFailed;
  bool completed = RunReportingErrors(messages, *files, [&] {
    outcome = ConvertPointList(*reader, *image, *input, *output, options.icon, voiceCode, boxes);
  });
  if (!completed || outcome != ConversionOutcome::Converted) return exitFailure;

  int points = image->UsedCount();
  out << Utf8(u8"変換しました: ") << SjisToUtf8(*output).value_or(options.output) << " ("
      << points << Utf8(u8" 地点)") << '\n';
  return exitSuccess;
}

}  // namespace pinmover
