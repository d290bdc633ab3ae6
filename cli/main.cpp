#include <CLI/CLI.hpp>

#include <algorithm>
#include <map>
#include <iostream>
#include <sstream>

#include "cli/convert_command.h"
#include "cli/dump_command.h"
#include "cli/exit_status.h"
#include "cli/export_command.h"
#include "engine/conversion_settings.h"
#include "formats/registry.h"
#include "platform/console.h"
#include "platform/text_encoding.h"
#include "text/path_operations.h"
#include "unitfile/voice_guidance_table.h"

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

  CLI::App app{
      "Converts point lists into navigation point files (.pnt).\n"
      "Lists: .pmf (made for the unit), and GPX, KML, KMZ, GeoJSON and CSV from map apps.\n"
      "Map apps give WGS84 coordinates; units of this generation draw their maps in the old\n"
      "Tokyo datum, about 450 m away around Tokyo, so --datum tokyo (the default) converts them.\n"
      "If the points land beside the right spot on your unit, try --datum wgs84."};
  app.name(arguments.empty() ? "pinmover-cli" : arguments.front());
  app.set_version_flag("--version", "pinmover-cli " PINMOVER_VERSION);
  app.require_subcommand(1);
  // A path such as /data/tour.pmf is a path on Windows too, never a /option.
  app.allow_windows_style_options(false);

  const std::map<std::string, Datum> datumNames{{"tokyo", Datum::Tokyo}, {"wgs84", Datum::Wgs84}};
  ConvertOptions convert;
  CLI::App* convertCommand = app.add_subcommand(
      "convert",
      "Convert point lists (.pmf, .gpx, .kml, .kmz, .geojson, .json, .csv or .pnt) into one "
      "point file");
  convertCommand->add_option("-o,--output", convert.output,
                             "Point file to write (.pnt); default: INPUT with the extension pnt; "
                             "needed with more than one INPUT");
  convertCommand->add_option("--icon", convert.settings.icon, "Icon number, 1 to 180")
      ->check(CLI::Range(minIcon, maxIcon))
      ->capture_default_str();
  convertCommand->add_option("--voice", convert.settings.voice, "Voice entry, 0 to 16 (listed below)")
      ->check(CLI::Range(minVoice, maxVoice))
      ->capture_default_str();
  CLI::Option* datumOption =
      convertCommand
          ->add_option("--datum", convert.settings.datum,
                       "Datum to write the points in: tokyo (default) or wgs84; not for .pmf")
          ->transform(CLI::CheckedTransformer(datumNames));
  convertCommand->add_flag("--split", convert.settings.split,
                           "Write more than 200 points into OUTPUT-1.pnt, OUTPUT-2.pnt, ...");
  convertCommand->add_flag("--append", convert.append,
                           "Keep the points OUTPUT holds, and add the new ones after them");
  convertCommand->add_flag("--keep-duplicates", convert.keepDuplicates,
                           "With --append, add a point even when OUTPUT holds one of its name "
                           "within 30 m");
  convertCommand
      ->add_option("INPUT", convert.inputs,
                   "Point lists to read, in order (.pmf, .gpx, .kml, .kmz, .geojson, .json, .csv, "
                   ".pnt)")
      ->required();

  std::string dumpPath;
  bool json = false;
  CLI::App* dumpCommand =
      app.add_subcommand("dump", "Show what a navigation unit would read from a point file");
  dumpCommand->add_flag("--json", json, "Print one JSON object");
  dumpCommand->add_option("FILE", dumpPath, "File to read")->required();
  // The listing's texts need the code-page converter, which only a help screen should load.
  for (CLI::App* command : {&app, convertCommand, dumpCommand}) command->footer(VoiceListing);

  ExportOptions exportOptions;
  CLI::App* exportCommand = app.add_subcommand(
      "export", "Write a point file's points as GPX, KML, GeoJSON or CSV, to see them on a map");
  exportCommand->add_option("-o,--output", exportOptions.output,
                            "File to write, - for standard output; default: FILE with the "
                            "format's extension");
  std::vector<std::string> formatNames;
  for (const Format* format : WrittenFormats()) formatNames.emplace_back(format->name);
  exportCommand
      ->add_option("--format", exportOptions.format,
                   "gpx, kml, geojson or csv; default: OUTPUT's extension, else gpx")
      ->check(CLI::IsMember(formatNames));
  exportCommand
      ->add_option("--datum", exportOptions.datum,
                   "Datum the point file is in: tokyo (default, written as WGS84) or wgs84")
      ->transform(CLI::CheckedTransformer(datumNames));
  exportCommand->add_option("FILE", exportOptions.input, "Point file to read (.pnt)")->required();

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
  if (convertCommand->parsed()) {
    convert.datumGiven = datumOption->count() > 0;
    return RunConvert(convert, applicationName, std::cout, std::cerr);
  }
  if (exportCommand->parsed()) {
    if (exportOptions.output == standardOutputPath) UseBinaryStandardOutput();
    return RunExport(exportOptions, applicationName, std::cout, std::cerr);
  }
  return RunDump(dumpPath, json, applicationName, std::cout, std::cerr);
}
