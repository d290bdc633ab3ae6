#include "cli/dump_command.h"

#include <nlohmann/json.hpp>

#include <cmath>
#include <cstdio>
#include <vector>

#include "cli/console_messages.h"
#include "cli/exit_status.h"
#include "cli/path_argument.h"
#include "cli/terminal_text.h"
#include "engine/date_time_text.h"
#include "unitfile/point_file_reading.h"
#include "platform/system_services.h"
#include "text/utf8.h"
#include "unitfile/voice_guidance_table.h"
#include "wording/point_file_problem_text.h"
#include "wording/problem_messages.h"

namespace pinmover {

namespace {

// The table goes to a terminal.
std::string Shown(const std::string& sjis) { return TerminalText(ReadableUtf8(sjis)); }

constexpr double unitsPerSecond = unitsPerArcSecond;

std::string DegreesText(std::int32_t units) {
  double seconds = std::fabs(units / unitsPerSecond);
  int degrees = static_cast<int>(seconds / 3600);
  int minutes = static_cast<int>((seconds - degrees * 3600.0) / 60);
  double rest = seconds - degrees * 3600.0 - minutes * 60.0;
  char text[64];
  std::snprintf(text, sizeof text, "%s%d/%02d/%06.3f (%.6f)", units < 0 ? "-" : "", degrees,
                minutes, rest, units / unitsPerSecond / 3600.0);
  return text;
}

std::string VoiceText(std::uint16_t code) {
  std::optional<int> entry = FindVoiceCode(code);
  if (!entry) return "?";
  return std::to_string(*entry) + " " +
         ReadableUtf8(std::string(voiceGuidanceTable[static_cast<std::size_t>(*entry)].text));
}

void PrintTable(const PointFileInspection& file, std::ostream& out) {
  out << "size " << file.size << ", header \"" << Shown(file.header) << "\" "
      << (file.headerOk ? "ok" : "WRONG") << ", " << file.points.size() << " points\n";
  for (const InspectedPoint& point : file.points) {
    out << point.slot << "  " << Shown(point.name) << "  " << Utf8(u8"経度 ")
        << DegreesText(point.longitudeUnits) << "  " << Utf8(u8"緯度 ")
        << DegreesText(point.latitudeUnits) << "  " << Utf8(u8"アイコン ")
        << int{point.icon} << "  " << Utf8(u8"音声 ") << VoiceText(point.voiceCode) << "  "
        << DateTimeText(point.created, ' ') << "  checksum "
        << (point.checksumOk ? "ok" : "BAD") << '\n';
  }
  PrintPointFileProblems(file.problems, out);
}

void PrintJson(const PointFileInspection& file, std::ostream& out) {
  nlohmann::ordered_json points = nlohmann::ordered_json::array();
  for (const InspectedPoint& point : file.points) {
    points.push_back({{"slot", point.slot},
                      {"name", ReadableUtf8(point.name)},
                      {"longitude_units", point.longitudeUnits},
                      {"latitude_units", point.latitudeUnits},
                      {"icon", point.icon},
                      {"voice_code", point.voiceCode},
                      {"attributes", point.attributes},
                      {"created", DateTimeText(point.created, 'T')},
                      {"checksum", point.checksum},
                      {"checksum_ok", point.checksumOk}});
  }
  nlohmann::ordered_json problems = nlohmann::ordered_json::array();
  for (const Problem& problem : file.problems) {
    problems.push_back(ReadableUtf8(PointFileProblemText(problem)));
  }
  nlohmann::ordered_json document = {{"size", file.size},
                                     {"header", ReadableUtf8(file.header)},
                                     {"header_ok", file.headerOk},
                                     {"points", points},
                                     {"problems", problems}};
  out << document.dump(2) << '\n';
}

}  // namespace

int RunDump(const std::string& utf8Path, bool json, const std::string& applicationName,
            std::ostream& out, std::ostream& err) {
  std::optional<std::string> path = SjisPathArgument(utf8Path, err);
  if (!path) return exitFailure;
  std::unique_ptr<FileSystem> files = MakeSystemFileSystem();
  PointFileReading reading = ReadPointFile(*files, *path);
  if (reading.failure) {
    PrintMessages(ProblemMessages(*reading.failure, *files), applicationName, err);
    return exitFailure;
  }
  if (json) {
    PrintJson(reading.file, out);
  } else {
    PrintTable(reading.file, out);
  }
  // What the dump shows is its whole result: a script must not take a cut-off one for it.
  if (!out.flush()) {
    err << "Error: " << Utf8(u8"結果を書き出せませんでした") << '\n';
    return exitFailure;
  }
  return exitSuccess;
}

}  // namespace pinmover
