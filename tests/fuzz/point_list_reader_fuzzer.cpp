// The streaming reader, fed the list in pieces of varying size, must fill its table exactly as
// parsing the whole text at once does, and leave every other slot empty.
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "formats/pmf/point_list_reader.h"
#include "tests/fakes/fake_file_system.h"
#include "tests/fakes/string_input_file.h"
#include "tests/formats/pmf/reference_point_list.h"
#include "tests/fuzz/fuzz_check.h"

namespace {

using namespace pinmover;
using namespace pinmover::testing;

// Records have no padding, so equal bytes are equal records; one memcmp costs the fuzzer far
// less than the member-by-member comparison it would trace.
static_assert(std::has_unique_object_representations_v<InputPointRecord>);
bool SameBytes(const InputPointRecord& a, const InputPointRecord& b) {
  return std::memcmp(&a, &b, sizeof a) == 0;
}

struct Reading {
  FakeFileSystem files;
  PointListReader reader{files};
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  // The first byte chooses how the file hands out its bytes: the pieces grow and shrink around
  // a base size, so that lines, fields and carriage returns fall across read boundaries.
  const std::size_t basePiece = data[0] % 64u + 1u;
  std::size_t step = 0;
  const std::string_view list(reinterpret_cast<const char*>(data) + 1, size - 1);
  StringInputFile file(std::string(list),
                       [&] { return basePiece + (step++ * 7u) % (basePiece + 3u); });

  static Reading reading;
  PointListReader& reader = reading.reader;
  reader.Clear();
  reader.Parse(file);

  static std::vector<InputPointRecord> expected;
  ReferenceParse(list, expected);
  PINMOVER_FUZZ_CHECK(static_cast<std::size_t>(reader.GetCount()) == expected.size());
  static const InputPointRecord empty;
  for (int i = 0; i < PointListReader::maxRecords; ++i) {
    const auto index = static_cast<std::size_t>(i);
    PINMOVER_FUZZ_CHECK(
        SameBytes(reader.Record(i), index < expected.size() ? expected[index] : empty));
  }
  return 0;
}
