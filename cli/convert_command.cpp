#include "cli/convert_command.h"

#include <memory>
#include <new>

#include "cli/console_messages.h"
#include "cli/exit_status.h"
#include "cli/path_argument.h"
#include "cli/terminal_text.h"
#include "engine/point_conversion.h"
#include "formats/pmf/pmf_format.h"
#include "formats/registry.h"
#include "platform/system_services.h"
#include "platform/text_encoding.h"
#include "text/path_operations.h"
#include "text/utf8.h"
#include "unitfile/voice_guidance_table.h"
#include "wording/conversion_messages.h"
#include "wording/point_problem_text.h"
#include "wording/problem_messages.h"

namespace pinmover {

namespace {

std::string ExtensionList() {
  std::string list;
  for (std::string_view extension : ReadExtensions()) {
    list += (list.empty() ? "." : " .") + std::string(extension);
  }
  return list;
}

// Each change to a point, a line each, as it happens.
class PrintedReports : public ProblemSink {
 public:
  explicit PrintedReports(std::ostream& err) : err_(err) {}
  void Report(const Problem& report) override {
    err_ << TerminalText(PointProblemText(report)) << '\n';
  }

 private:
  std::ostream& err_;
};

void UsageError(std::string_view sjisText, std::ostream& err) {
  PrintMessage({std::string(sjisText), "Error", message_style::ok}, {}, err);
}

}  // namespace

int RunConvert(const ConvertOptions& options, const std::string& applicationName, std::ostream& out,
               std::ostream& err) {
  std::optional<std::string> input = SjisPathArgument(options.input, err);
  if (!input) return exitUsage;
  std::optional<std::string> output = options.output.empty()
                                          ? std::optional<std::string>{""}
                                          : SjisPathArgument(options.output, err);
  if (!output) return exitUsage;

  const Format* format = FormatForPath(*input);
  if (!format) {
    UsageError(WrongTypeText("入力", ExtensionList()), err);
    return exitUsage;
  }
  if (options.datumGiven && ExtensionMatches(*input, pointListExtension)) {
    err << "Error: "
        << Utf8(
               u8"--datum は .pmf のリストには指定できません (.pmf "
               u8"の座標はそのまま書き込まれます)。")
        << '\n';
    return exitUsage;
  }
  if (output->empty()) {
    PathParts parts = SplitPath(*input);
    output = JoinPath(parts.drive, parts.directory, parts.baseName, pointFileExtension);
  } else if (!ExtensionMatches(*output, pointFileExtension)) {
    UsageError(WrongTypeText("出力", "." + std::string(pointFileExtension)), err);
    return exitUsage;
  }

  std::unique_ptr<FileSystem> files = MakeSystemFileSystem();
  std::unique_ptr<Clock> clock = MakeSystemClock();
  auto reader = std::make_unique<PointListReader>(*files);
  FormatContext formats{*files, *reader};
  auto image = std::make_unique<PointImage>(*files, *clock);
  ConversionRequest request;
  request.inputPath = *input;
  request.outputPath = *output;
  request.icon = options.settings.icon;
  request.voiceCode = voiceGuidanceTable.at(static_cast<std::size_t>(options.settings.voice)).code;
  request.datum = options.settings.datum;
  request.overflow = options.settings.split ? Overflow::Split : Overflow::LeaveOut;
  PrintedReports reports(err);
  ConversionResult result;
  try {
    result = ConvertPoints(formats, *format, *image, request, &reports);
  } catch (const std::bad_alloc&) {
    PrintMessage(OutOfMemoryMessage(), applicationName, err);
    return exitFailure;
  }
  if (result.problem) PrintMessages(ProblemMessages(*result.problem, *files), applicationName, err);
  if (result.outcome == ConversionOutcome::Converted) {
    if (std::string leftOut = LeftOutText(result); !leftOut.empty()) {
      err << ReadableUtf8(leftOut) << '\n';
    }
  }
  // Numbered files written before a failure are there all the same.
  for (const WrittenFile& file : result.written) {
    out << Utf8(u8"変換しました: ") << SjisToUtf8(file.path).value_or(options.output) << " ("
        << file.points << Utf8(u8" 地点)") << '\n';
  }
  return result.outcome == ConversionOutcome::Converted ? exitSuccess : exitFailure;
}

}  // namespace pinmover
