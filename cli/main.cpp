#include <CLI/CLI.hpp>

#include <algorithm>
#include <iostream>
#include <sstream>

#include "cli/convert_command.h"
#include "cli/dump_command.h"
#include "cli/exit_status.h"
#include "core/path_operations.h"
#include "core/voice_guidance_table.h"
#include "platform/console.h"
#include "platform/text_encoding.h"

namespace {

using namespace pinmover;

// Without its last line end, which CLI11 adds after a footer it asks a function for.
std::string VoiceListing() {
  std::ostringstream listing;
  listing << "Voice entries (--voice):";
  for (std::size_t i = 0; i < voiceGuidanceTable.size(); ++i) {
    listing << "\n  " << (i < 10 ? " " : "") << i << "  "
            << SjisToUtf8(voiceGuidanceTable[i].text).value_or("?");
  }
  return listing.str();
}

// Messages carry the program's name the way the dialog's carry the executable's.
std::string ApplicationName(const std::string& utf8ProgramPath) {
  std::string name = SplitPath(Utf8ToSjis(utf8ProgramPath).value_or("")).baseName;
  return name.empty() ? "pinmover-cli" : name;
}

}  // namespace

int main(int argc, char** argv) {
  UseUtf8Console();
  std::vector<std::string> arguments = Utf8Arguments(argc, argv);

  CLI::App app{"Converts point lists (.pmf) into navigation point files (.pnt)."};
  app.name(arguments.empty() ? "pinmover-cli" : arguments.front());
  app.set_version_flag("--version", "pinmover-cli 1.0.0.1");
  app.require_subcommand(1);
  // A path such as /data/tour.pmf is a path on Windows too, never a /option.
  app.allow_windows_style_options(false);

  ConvertOptions convert;
  CLI::App* convertCommand = app.add_subcommand("convert", "Convert a point list");
  convertCommand->add_option("-o,--output", convert.output,
                             "Point file to write (.pnt); default: INPUT with the extension pnt");
  convertCommand->add_option("--icon", convert.icon, "Icon number, 1 to 180")
      ->check(CLI::Range(1, 180))
      ->capture_default_str();
  convertCommand->add_option("--voice", convert.voice, "Voice entry, 0 to 16 (listed below)")
      ->check(CLI::Range(0, 16))
      ->capture_default_str();
  convertCommand->add_option("INPUT", convert.input, "Point list to read (.pmf)")->required();

  std::string dumpPath;
  bool json = false;
  CLI::App* dumpCommand =
      app.add_subcommand("dump", "Show what a navigation unit would read from a point file");
  dumpCommand->add_flag("--json", json, "Print one JSON object");
  dumpCommand->add_option("FILE", dumpPath, "File to read")->required();
  // The listing's texts need the code-page converter, which only a help screen should load.
  for (CLI::App* command : {&app, convertCommand, dumpCommand}) command->footer(VoiceListing);

  // CLI11 takes the arguments last first.
  std::vector<std::string> reversed(arguments.rbegin(), arguments.rend());
  if (!reversed.empty()) reversed.pop_back();
  try {
    app.parse(reversed);
  } catch (const CLI::ParseError& error) {
    int status = app.exit(error);
    return status == 0 ? exitSuccess : exitUsage;
  }

  std::string applicationName = ApplicationName(arguments.empty() ? "" : arguments.front());
  if (convertCommand->parsed()) return RunConvert(convert, applicationName, std::cout, std::cerr);
  return RunDump(dumpPath, json, applicationName, std::cout, std::cerr);
}
