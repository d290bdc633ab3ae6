#include "cli/dump_command.h"

#include <nlohmann/json.hpp>

#include <cmath>
#include <cstdio>
#include <vector>

#include "cli/exit_status.h"
#include "cli/utf8_text.h"
#include "core/raised_error_report.h"
#include "core/voice_guidance_table.h"
#include "output/file_error_texts.h"
#include "output/point_file_inspection.h"
#include "output/point_image.h"
#include "platform/console_message_box.h"
#include "platform/system_services.h"
#include "platform/text_encoding.h"

namespace pinmover {

namespace {

// Names and problems are Shift-JIS; a name that is not valid text still shows, escaped.
std::string ToUtf8(const std::string& sjis) {
  if (auto utf8 = SjisToUtf8(sjis)) return *utf8;
  std::string shown;
  char escape[8];
  for (unsigned char byte : sjis) {
    if (byte < 0x80) {
      shown += static_cast<char>(byte);
    } else {
      std::snprintf(escape, sizeof escape, "\\x%02X", byte);
      shown += escape;
    }
  }
  return shown;
}

// The table goes to a terminal, so the control characters of a file's text are shown as
// escapes: a file must not be able to move the cursor, retitle the window or worse. (Shift-JIS
// has no character that becomes a C1 control in UTF-8.)
std::string Shown(const std::string& sjis) {
  std::string shown;
  char escape[8];
  for (char c : ToUtf8(sjis)) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7F) {
      std::snprintf(escape, sizeof escape, "\\x%02X", byte);
      shown += escape;
    } else {
      shown += c;
    }
  }
  return shown;
}

std::string CreatedText(const LocalDateTime& t, char separator) {
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d%c%02d:%02d:%02d", t.year, t.month, t.day,
                separator, t.hour, t.minute, t.second);
  return text;
}

constexpr double unitsPerSecond = 2048.0;

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
  for (std::size_t i = 0; i < voiceGuidanceTable.size(); ++i) {
    if (voiceGuidanceTable[i].code == code) {
      return std::to_string(i) + " " + ToUtf8(std::string(voiceGuidanceTable[i].text));
    }
  }
  return "?";
}

void PrintTable(const PointFileInspection& file, std::ostream& out) {
  out << "size " << file.size << ", header \"" << Shown(file.header) << "\" "
      << (file.headerOk ? "ok" : "WRONG") << ", " << file.points.size() << " points\n";
  for (const InspectedPoint& point : file.points) {
    out << point.slot << "  " << Shown(point.name) << "  " << Utf8(u8"経度 ")
        << DegreesText(point.longitudeUnits) << "  " << Utf8(u8"緯度 ")
        << DegreesText(point.latitudeUnits) << "  " << Utf8(u8"アイコン ")
        << int{point.icon} << "  " << Utf8(u8"音声 ") << VoiceText(point.voiceCode) << "  "
        << CreatedText(point.created, ' ') << "  checksum "
        << (point.checksumOk ? "ok" : "BAD") << '\n';
  }
  for (const std::string& problem : file.problems) out << "problem: " << ToUtf8(problem) << '\n';
}

void PrintJson(const PointFileInspection& file, std::ostream& out) {
  nlohmann::ordered_json points = nlohmann::ordered_json::array();
  for (const InspectedPoint& point : file.points) {
    points.push_back({{"slot", point.slot},
                      {"name", ToUtf8(point.name)},
                      {"longitude_units", point.longitudeUnits},
                      {"latitude_units", point.latitudeUnits},
                      {"icon", point.icon},
                      {"voice_code", point.voiceCode},
                      {"attributes", point.attributes},
                      {"created", CreatedText(point.created, 'T')},
                      {"checksum", point.checksum},
                      {"checksum_ok", point.checksumOk}});
  }
  nlohmann::ordered_json problems = nlohmann::ordered_json::array();
  for (const std::string& problem : file.problems) problems.push_back(ToUtf8(problem));
  nlohmann::ordered_json document = {{"size", file.size},
                                     {"header", ToUtf8(file.header)},
                                     {"header_ok", file.headerOk},
                                     {"points", points},
                                     {"problems", problems}};
  out << document.dump(2) << '\n';
}

}  // namespace

int RunDump(const std::string& utf8Path, bool json, const std::string& applicationName,
            std::ostream& out, std::ostream& err) {
  ConsoleMessageBox boxes(err);
  ApplicationMessages messages(boxes, applicationName);
  std::optional<std::string> path = Utf8ToSjis(utf8Path);
  if (!path) {
    err << "Error: " << Utf8(u8"ファイル名に Shift-JIS で表せない文字が含まれています: ")
        << utf8Path << '\n';
    return exitFailure;
  }
  std::unique_ptr<FileSystem> files = MakeSystemFileSystem();
  OpenResult<InputFile> opened = files->OpenForReading(*path);
  if (!opened.file) {
    messages.Show(OpenFailureMessage(opened.cause, *path));
    return exitFailure;
  }
  std::vector<std::uint8_t> bytes(PointImage::fileSize);
  std::uint64_t size = 0;
  bool read = RunReportingErrors(messages, *files, [&] {
    size = opened.file->Length();
    bytes.resize(opened.file->Read({reinterpret_cast<char*>(bytes.data()), bytes.size()}));
    opened.file->Close();
  });
  if (!read) return exitFailure;
  PointFileInspection inspection = InspectPointFile(bytes, size);
  if (json) {
    PrintJson(inspection, out);
  } else {
    PrintTable(inspection, out);
  }
  // What the dump shows is its whole result: a script must not take a cut-off one for it.
  if (!out.flush()) {
    err << "Error: " << Utf8(u8"結果を書き出せませんでした") << '\n';
    return exitFailure;
  }
  return exitSuccess;
}

}  // namespace pinmover
