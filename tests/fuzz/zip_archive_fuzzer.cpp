// The KMZ archive reader on arbitrary bytes: whatever the archive states, opening it gives a
// KML entry or one of the known faults, and the entry's stream returns, a block at a time, no
// more than the length it states, which is within the cap, and exactly that length when it
// reads to its end.
#include <cstdint>
#include <string>
#include <string_view>

#include "formats/kml/zip_archive.h"
#include "tests/fakes/fake_file_system.h"
#include "tests/fuzz/fuzz_check.h"

using namespace pinmover;

namespace {

bool EndsInKml(std::string_view name) {
  if (name.size() < 4) return false;
  std::string ending(name.substr(name.size() - 4));
  for (char& c : ending) c = (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
  return ending == ".kml";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  testing::FakeFileSystem files;
  files.files["a.kmz"] = std::string(reinterpret_cast<const char*>(data), size);
  auto archive = files.OpenForReading("a.kmz").file;
  KmlEntryOpening opening = OpenKmlEntry(*archive);
  if (!opening.entry) {
    PINMOVER_FUZZ_CHECK(opening.fault >= ZipFault::NotAnArchive &&
                        opening.fault <= ZipFault::TooLarge);
    PINMOVER_FUZZ_CHECK(opening.fault == ZipFault::UnsupportedMethod
                            ? opening.method != 0 && opening.method != 8
                            : opening.method == 0);
    return 0;
  }

  InputFile& stream = *opening.entry->stream;
  const std::uint64_t length = stream.Length();
  PINMOVER_FUZZ_CHECK(length <= maxKmlBytes);
  PINMOVER_FUZZ_CHECK(EndsInKml(opening.entry->name));
  std::string block(1000, '\0');
  std::uint64_t total = 0;
  bool shortRead = false;
  try {
    while (std::size_t count = stream.Read(block)) {
      // Only the last read of the entry may leave the block part empty.
      PINMOVER_FUZZ_CHECK(!shortRead);
      shortRead = count < block.size();
      total += count;
      PINMOVER_FUZZ_CHECK(total <= length);
    }
    PINMOVER_FUZZ_CHECK(total == length);
  } catch (const ZipFaultError& error) {
    PINMOVER_FUZZ_CHECK(error.Fault() == ZipFault::Damaged);
  }
  return 0;
}
