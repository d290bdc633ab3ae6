// The streaming reader, fed the list in pieces of varying size, must fill its table exactly as
// parsing the whole text at once does, and leave every other slot empty.
#include <cstdint>
#include <string>
#include <vector>

#include "input/point_list_reader.h"
#include "tests/fakes/fake_file_system.h"
#include "tests/fakes/recording_message_box.h"
#include "tests/fuzz/fuzz_check.h"
#include "tests/input/reference_point_list.h"
#include "tests/input/string_input_file.h"

namespace {

using namespace pinmover;
using namespace pinmover::testing;

struct Reading {
  FakeFileSystem files;
  RecordingMessageBox boxes;
  ApplicationMessages messages{boxes, "pinmover"};
  PointListReader reader{files, messages};
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  // The first byte chooses how the file hands out its bytes: the pieces grow and shrink around
  // a base size, so that lines, fields and carriage returns fall across read boundaries.
  const std::size_t basePiece = data[0] % 64u + 1u;
  std::size_t step = 0;
  StringInputFile file(std::string(reinterpret_cast<const char*>(data) + 1, size - 1),
                       [&] { return basePiece + (step++ * 7u) % (basePiece + 3u); });

  static Reading reading;
  PointListReader& reader = reading.reader;
  reader.Clear();
  reader.Parse(file);

  const std::vector<InputPointRecord> expected =
      ReferenceParse(std::string(reinterpret_cast<const char*>(data) + 1, size - 1));
  PINMOVER_FUZZ_CHECK(static_cast<std::size_t>(reader.GetCount()) == expected.size());
  for (int i = 0; i < PointListReader::maxRecords; ++i) {
    const auto index = static_cast<std::size_t>(i);
    const InputPointRecord empty;
    PINMOVER_FUZZ_CHECK(reader.Record(i) == (index < expected.size() ? expected[index] : empty));
  }
  PINMOVER_FUZZ_CHECK(reading.boxes.shown.empty());
  return 0;
}
