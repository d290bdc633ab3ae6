#include "cli/convert_command.h"

#include <algorithm>
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

void Utf8UsageError(const char8_t* text, std::ostream& err) {
  err << "Error: " << Utf8(text) << '\n';
}

// The lists to read, each with its format; nothing, after a message, when one cannot be used.
std::optional<std::vector<ConversionInput>> Inputs(const ConvertOptions& options,
                                                   std::ostream& err) {
  std::vector<ConversionInput> inputs;
  for (const std::string& given : options.inputs) {
    std::optional<std::string> path = SjisPathArgument(given, err);
    if (!path) return std::nullopt;
    const Format* format = FormatForPath(*path);
    if (!format) {
      UsageError(WrongTypeText("入力", ReadExtensionList()), err);
      return std::nullopt;
    }
    inputs.push_back({std::move(*path), format});
  }
  return inputs;
}

// --datum moves map apps' points only; given where no list has any, it would do nothing.
bool DatumApplies(const std::vector<ConversionInput>& inputs, std::ostream& err) {
  if (std::any_of(inputs.begin(), inputs.end(),
                  [](const ConversionInput& input) { return !input.format->unitPoints; })) {
    return true;
  }
  if (std::all_of(inputs.begin(), inputs.end(), [](const ConversionInput& input) {
        return input.format->name == pointListExtension;
      })) {
    Utf8UsageError(u8"--datum は .pmf のリストには指定できません (.pmf の座標はそのまま書き込まれます)。",
                   err);
  } else {
    Utf8UsageError(u8"--datum は .pmf と .pnt には指定できません (座標はそのまま書き込まれます)。",
                   err);
  }
  return false;
}

}  // namespace

int RunConvert(const ConvertOptions& options, const std::string& applicationName, std::ostream& out,
               std::ostream& err) {
  if (options.inputs.size() > 1 && options.output.empty()) {
    Utf8UsageError(u8"入力が 2 つ以上のときは、-o で出力ファイル (.pnt) を指定して下さい。", err);
    return exitUsage;
  }
  if (options.append && options.settings.split) {
    Utf8UsageError(u8"--append と --split は一緒に指定できません: --append は 1 つの地点ファイル "
                   u8"(200 地点まで) に地点を加えます。",
                   err);
    return exitUsage;
  }
  std::optional<std::vector<ConversionInput>> inputs = Inputs(options, err);
  if (!inputs) return exitUsage;
  std::optional<std::string> output = options.output.empty()
                                          ? std::optional<std::string>{""}
                                          : SjisPathArgument(options.output, err);
  if (!output) return exitUsage;
  if (options.datumGiven && !DatumApplies(*inputs, err)) return exitUsage;
  if (output->empty()) {
    PathParts parts = SplitPath(inputs->front().path);
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
  request.inputs = std::move(*inputs);
  request.outputPath = *output;
  request.icon = options.settings.icon;
  request.voiceCode = voiceGuidanceTable.at(static_cast<std::size_t>(options.settings.voice)).code;
  request.datum = options.settings.datum;
  request.overflow = options.settings.split ? Overflow::Split : Overflow::LeaveOut;
  request.append = options.append;
  request.keepDuplicates = options.keepDuplicates;
  PrintedReports reports(err);
  ConversionResult result;
  try {
    result = ConvertPoints(formats, *image, request, &reports);
  } catch (const std::bad_alloc&) {
    PrintMessage(OutOfMemoryMessage(), applicationName, err);
    return exitFailure;
  }
  if (result.problem) PrintMessages(ProblemMessages(*result.problem, *files), applicationName, err);
  if (result.problem && result.problem->kind == ProblemKind::OutputIsInput) return exitUsage;
  if (result.outcome == ConversionOutcome::Converted) {
    if (std::string leftOut = LeftOutText(result, !options.append); !leftOut.empty()) {
      err << ReadableUtf8(leftOut) << '\n';
    }
  }
  // Numbered files written before a failure are there all the same.
  for (const WrittenFile& file : result.written) {
    out << Utf8(u8"変換しました: ") << SjisToUtf8(file.path).value_or(options.output) << " ("
        << file.points << Utf8(u8" 地点");
    if (result.heldCount != 0) {
      out << Utf8(u8"、うち ") << std::min(result.heldCount, file.points)
          << Utf8(u8" 地点は元からあった地点");
    }
    out << ")\n";
  }
  return result.outcome == ConversionOutcome::Converted ? exitSuccess : exitFailure;
}

}  // namespace pinmover
