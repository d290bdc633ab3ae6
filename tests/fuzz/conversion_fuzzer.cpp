// A whole press of the convert button on an arbitrary point list, with the icon and voice the
// user set and, at times, a file that cannot be opened or a disk that fails: whatever happens, the output path holds either its
// earlier content or a complete, well-formed point file of the list's first 200 points.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "formats/pmf/dms_text.h"
#include "tests/fakes/fake_dialog.h"
#include "tests/formats/pmf/reference_point_list.h"
#include "tests/fuzz/fuzz_check.h"
#include "ui/dialog/raised_error_report.h"
#include "unitfile/jis_x0208.h"
#include "unitfile/point_encodings.h"
#include "unitfile/point_file_inspection.h"
#include "unitfile/point_file_layout.h"
#include "unitfile/voice_guidance_table.h"

namespace {

using namespace pinmover;
using namespace pinmover::testing;

const std::string inputPath = "C:\\data\\list.pmf";
const std::string outputPath = "C:\\data\\list.pnt";
const std::string earlierOutput = "the earlier point file";

// The first bytes of an input are the user's settings and the disk's fault; the rest is the list.
struct Settings {
  int iconPosition;
  int voiceSelection;
  enum class Fault { none, read, write, commit, openInput, openOutput } fault;
  std::size_t faultAfterBytes;
  FileErrorCause openCause;
};

Settings SettingsOf(const std::uint8_t* data) {
  return {data[0], data[1] % 20 - 1, static_cast<Settings::Fault>(data[2] % 6),
          std::size_t{data[3]} * 97u, static_cast<FileErrorCause>(data[3] % 15 + 1)};
}

std::uint32_t BigEndianAt(const std::uint8_t* bytes) {
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < 4; ++i) value = value << 8 | bytes[i];
  return value;
}

// One memcmp, where a byte-by-byte loop would have the fuzzer trace every byte of the file.
bool AllZero(const std::uint8_t* bytes, std::size_t size) {
  static const std::uint8_t zeros[pointFileSize]{};
  return std::memcmp(bytes, zeros, size) == 0;
}

void CheckPointFile(const std::string& file, const std::vector<InputPointRecord>& records,
                    int iconPosition, std::uint16_t voiceCode) {
  PINMOVER_FUZZ_CHECK(file.size() == pointFileSize);
  const auto* image = reinterpret_cast<const std::uint8_t*>(file.data());
  PINMOVER_FUZZ_CHECK(std::memcmp(image, pointFileSignature, sizeof pointFileSignature) == 0);
  PINMOVER_FUZZ_CHECK(AllZero(image + sizeof pointFileSignature,
                              headerSize - sizeof pointFileSignature));
  const std::size_t filled = std::min<std::size_t>(records.size(), maxPointsPerFile);
  PINMOVER_FUZZ_CHECK(AllZero(image + headerSize + filled * recordSize,
                              (slotCount - filled) * recordSize));
  for (std::size_t slot = 0; slot < filled; ++slot) {
    const std::uint8_t* bytes = image + headerSize + slot * recordSize;
    PINMOVER_FUZZ_CHECK(BigEndianAt(bytes + offsetof(PointImageRecord, inUse)) == 1);
    PINMOVER_FUZZ_CHECK(BigEndianAt(bytes + offsetof(PointImageRecord, checksum)) ==
                        SlotChecksum(std::span<const std::uint8_t, recordSize>(bytes, recordSize)));
    PINMOVER_FUZZ_CHECK(bytes[offsetof(PointImageRecord, icon)] == iconPosition);
    PINMOVER_FUZZ_CHECK(bytes[offsetof(PointImageRecord, attributes)] == (0x80 | (voiceCode >> 8 & 0x03)));
    PINMOVER_FUZZ_CHECK(bytes[offsetof(PointImageRecord, attributes) + 1] == (voiceCode & 0xE0));
    PINMOVER_FUZZ_CHECK(static_cast<std::int32_t>(BigEndianAt(
                            bytes + offsetof(PointImageRecord, longitude))) ==
                        DmsToUnits(records[slot].firstCoordinate));
    PINMOVER_FUZZ_CHECK(static_cast<std::int32_t>(BigEndianAt(
                            bytes + offsetof(PointImageRecord, latitude))) ==
                        DmsToUnits(records[slot].secondCoordinate));
    // The name: its units up to the first zero byte, then zeros to the end of its 40 bytes.
    std::uint8_t units[nameUnitBytes]{};
    const std::size_t encoded = EncodeName(records[slot].name, units);
    const std::size_t kept =
        static_cast<std::size_t>(std::find(units, units + encoded, 0) - units);
    const std::uint8_t* name = bytes + offsetof(PointImageRecord, name);
    PINMOVER_FUZZ_CHECK(std::memcmp(name, units, kept) == 0);
    PINMOVER_FUZZ_CHECK(AllZero(name + kept, sizeof(PointImageRecord::name) - kept));
  }
  // What the dump reads back from it.
  const PointFileInspection inspection = InspectPointFile(
      {reinterpret_cast<const std::uint8_t*>(file.data()), file.size()}, file.size());
  PINMOVER_FUZZ_CHECK(inspection.headerOk);
  PINMOVER_FUZZ_CHECK(inspection.points.size() == filled);
  PINMOVER_FUZZ_CHECK(std::all_of(inspection.points.begin(), inspection.points.end(),
                                  [](const InspectedPoint& p) { return p.checksumOk; }));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 4) return 0;
  const Settings settings = SettingsOf(data);
  const std::string list(reinterpret_cast<const char*>(data) + 4, size - 4);

  static FakeDialog desk;
  desk.files.files = {{inputPath, list}, {outputPath, earlierOutput}};
  desk.files.faults.clear();
  switch (settings.fault) {
    case Settings::Fault::none: break;
    case Settings::Fault::read:
      desk.files.faults[inputPath].failAfterBytes = settings.faultAfterBytes;
      break;
    case Settings::Fault::write:
      desk.files.faults[outputPath].failAfterBytes = settings.faultAfterBytes;
      desk.files.faults[outputPath].ioCause = FileErrorCause::DiskFull;
      break;
    case Settings::Fault::commit:
      desk.files.faults[outputPath].commitCause = FileErrorCause::HardIO;
      break;
    case Settings::Fault::openInput:
      desk.files.faults[inputPath].openCause = settings.openCause;
      break;
    case Settings::Fault::openOutput:
      desk.files.faults[outputPath].openCause = settings.openCause;
      break;
  }
  FakeDialogControls& controls = desk.controls;
  controls.fields = {{DialogField::InputPath, inputPath}, {DialogField::OutputPath, outputPath}};
  controls.iconPosition = settings.iconPosition;
  controls.voiceSelection = settings.voiceSelection;
  controls.shown.clear();
  // The dialog's calls are kept for tests to read; left to pile up, they would outgrow the
  // fuzzer's memory limit within a long run.
  controls.calls.clear();
  desk.boxes.shown.clear();
  controls.endResult.reset();
  desk.dialog.inputExtension = "pmf";
  desk.dialog.outputExtension = "pnt";

  // As the dialog's command handling runs it. A file that fails after it was opened is reported
  // with the stop icon, alone.
  const bool completed =
      RunReportingErrors(desk.messages, desk.files, [] { desk.dialog.ConversionRun(); });
  const bool raised =
      !completed || std::any_of(desk.boxes.shown.begin(), desk.boxes.shown.end(), [](const auto& box) {
        return (box.style & message_style::iconMask) == message_style::iconStop;
      });
  PINMOVER_FUZZ_CHECK(!raised || desk.boxes.shown.size() == 1);
  PINMOVER_FUZZ_CHECK(desk.files.openFiles == 0);

  const bool validSettings = settings.iconPosition >= 1 && settings.iconPosition <= 180 &&
                             settings.voiceSelection >= 0 &&
                             settings.voiceSelection < static_cast<int>(voiceGuidanceTable.size());
  static std::vector<InputPointRecord> records;
  ReferenceParse(list, records);
  const std::string& output = desk.files.files[outputPath];
  const bool refused = settings.fault == Settings::Fault::openInput ||
                       settings.fault == Settings::Fault::openOutput;
  if (!validSettings || raised || records.empty() || refused) {
    // Stopped before, or failed during, the conversion: nothing of the earlier file is lost.
    PINMOVER_FUZZ_CHECK(output == earlierOutput);
    PINMOVER_FUZZ_CHECK(!controls.endResult);
    PINMOVER_FUZZ_CHECK(!raised || (settings.fault != Settings::Fault::none && !refused));
    // A refused file is told of in a message, and the dialog stays on what the user can change.
    const bool reached = settings.fault == Settings::Fault::openInput || !records.empty();
    PINMOVER_FUZZ_CHECK(!validSettings || !refused || !reached ||
                        !desk.boxes.shown.empty());
    PINMOVER_FUZZ_CHECK(!raised || settings.fault != Settings::Fault::read ||
                        desk.dialog.reader.GetCount() == 0);
    return 0;
  }
  PINMOVER_FUZZ_CHECK(controls.endResult == dialogResultOk);
  PINMOVER_FUZZ_CHECK(desk.dialog.reader.GetCount() == static_cast<int>(records.size()));
  CheckPointFile(output, records, settings.iconPosition,
                 voiceGuidanceTable[static_cast<std::size_t>(settings.voiceSelection)].code);
  return 0;
}
