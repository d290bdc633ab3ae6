#include "cli/export_command.h"

#include <algorithm>

#include "cli/console_messages.h"
#include "cli/exit_status.h"
#include "cli/path_argument.h"
#include "engine/point_export.h"
#include "platform/system_services.h"
#include "platform/text_encoding.h"
#include "text/path_operations.h"
#include "text/utf8.h"
#include "unitfile/point_file_layout.h"
#include "wording/problem_messages.h"

namespace pinmover {

namespace {

const Format& ChosenFormat(const ExportOptions& options) {
  if (const Format* named = FormatNamed(options.format)) return *named;
  const Format* byExtension = FormatForPath(options.output);
  if (byExtension && byExtension->write) return *byExtension;
  return *WrittenFormats().front();
}

bool SameIgnoringAsciiCase(std::string_view a, std::string_view b) {
  auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
  return std::ranges::equal(a, b, {}, lower, lower);
}

}  // namespace

int RunExport(const ExportOptions& options, const std::string& applicationName, std::ostream& out,
              std::ostream& err) {
  const bool toStandardOutput = options.output == standardOutputPath;
  std::optional<std::string> input = SjisPathArgument(options.input, err);
  if (!input) return exitUsage;
  std::optional<std::string> output = SjisPathArgument(options.output, err);
  if (!output) return exitUsage;

  const Format& format = ChosenFormat(options);
  if (output->empty()) {
    PathParts parts = SplitPath(*input);
    output = JoinPath(parts.drive, parts.directory, parts.baseName, format.extensions.front());
  }
  std::unique_ptr<FileSystem> files = MakeSystemFileSystem();
  if (!toStandardOutput) {
    // Text in place of a point file would leave the unit nothing to load.
    if (ExtensionMatches(*output, pointFileExtension)) {
      err << "Error: " << Utf8(u8"点ファイル (.pnt) には書き出せません: ") << options.output
          << '\n';
      return exitUsage;
    }
    if (SameIgnoringAsciiCase(files->FullPath(*output), files->FullPath(*input))) {
      err << "Error: " << Utf8(u8"読み込むファイルと同じファイルには書き出せません: ")
          << SjisToUtf8(*output).value_or(options.input) << '\n';
      return exitUsage;
    }
  }

  PointExport exported = ExportPointFile(*files, *input, format, options.datum);
  if (exported.failure) {
    PrintMessages(ProblemMessages(*exported.failure, *files), applicationName, err);
    return exitFailure;
  }
  PrintPointFileProblems(exported.problems, err);
  if (toStandardOutput) {
    if (!out.write(exported.document.data(), static_cast<std::streamsize>(exported.document.size()))
             .flush()) {
      err << "Error: " << Utf8(u8"結果を書き出せませんでした") << '\n';
      return exitFailure;
    }
  } else {
    if (std::optional<Problem> failure = WriteDocument(*files, *output, exported.document)) {
      PrintMessages(ProblemMessages(*failure, *files), applicationName, err);
      return exitFailure;
    }
    out << Utf8(u8"書き出しました: ") << SjisToUtf8(*output).value_or(options.output) << " ("
        << exported.pointCount << Utf8(u8" 地点)") << '\n';
  }
  return exported.problems.empty() ? exitSuccess : exitFailure;
}

}  // namespace pinmover
