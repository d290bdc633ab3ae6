#include "cli/export_command.h"

#include <algorithm>

#include "cli/exit_status.h"
#include "cli/inspection_text.h"
#include "cli/path_argument.h"
#include "text/utf8_literal.h"
#include "text/path_operations.h"
#include "engine/point_export.h"
#include "formats/point_formats.h"
#include "platform/console_message_box.h"
#include "platform/system_services.h"
#include "platform/text_encoding.h"

namespace pinmover {

namespace {

const ExportFormat& ChosenFormat(const ExportOptions& options) {
  if (const ExportFormat* named = ExportFormatNamed(options.format)) return *named;
  if (const ExportFormat* byExtension = ExportFormatForPath(options.output)) return *byExtension;
  return ExportFormats().front();
}

bool SameIgnoringAsciiCase(std::string_view a, std::string_view b) {
  auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
  return std::ranges::equal(a, b, {}, lower, lower);
}

}  // namespace

int RunExport(const ExportOptions& options, const std::string& applicationName, std::ostream& out,
              std::ostream& err) {
  ConsoleMessageBox boxes(err);
  ApplicationMessages messages(boxes, applicationName);
  const bool toStandardOutput = options.output == standardOutputPath;
  std::optional<std::string> input = SjisPathArgument(options.input, err);
  if (!input) return exitUsage;
  std::optional<std::string> output = SjisPathArgument(options.output, err);
  if (!output) return exitUsage;

  const ExportFormat& format = ChosenFormat(options);
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

  std::optional<PointExport> exported =
      ExportPointFile(*files, messages, *input, format, options.datum);
  if (!exported) return exitFailure;
  PrintProblems(exported->problems, err);
  if (toStandardOutput) {
    if (!out.write(exported->document.data(),
                   static_cast<std::streamsize>(exported->document.size()))
             .flush()) {
      err << "Error: " << Utf8(u8"結果を書き出せませんでした") << '\n';
      return exitFailure;
    }
  } else {
    if (!WriteDocument(*files, messages, *output, exported->document)) return exitFailure;
    out << Utf8(u8"書き出しました: ") << SjisToUtf8(*output).value_or(options.output) << " ("
        << exported->pointCount << Utf8(u8" 地点)") << '\n';
  }
  return exported->problems.empty() ? exitSuccess : exitFailure;
}

}  // namespace pinmover
