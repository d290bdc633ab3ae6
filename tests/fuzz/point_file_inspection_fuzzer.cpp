// The dump's reading of an arbitrary file: given the file's first bytes (at most one image, as
// the command reads them) and its size, it reads nothing beyond them and reports only points of
// the first 200 slots, consecutive from slot 0.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

#include "tests/fuzz/fuzz_check.h"
#include "unitfile/point_file_inspection.h"
#include "unitfile/point_file_layout.h"
#include "unitfile/point_image.h"

using namespace pinmover;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // A copy of exactly the bytes read, so that the address sanitizer sees any read past them.
  const std::vector<std::uint8_t> read(data, data + std::min(size, pointFileSize));
  const PointFileInspection file = InspectPointFile(read, size);

  PINMOVER_FUZZ_CHECK(file.size == size);
  PINMOVER_FUZZ_CHECK(file.points.size() <= maxPointsPerFile);
  for (std::size_t i = 0; i < file.points.size(); ++i) {
    const InspectedPoint& point = file.points[i];
    PINMOVER_FUZZ_CHECK(point.slot == static_cast<int>(i));
    PINMOVER_FUZZ_CHECK(point.name.size() <= sizeof(PointImageRecord::name));
    const std::size_t inUse = headerSize + i * recordSize + offsetof(PointImageRecord, inUse);
    PINMOVER_FUZZ_CHECK(std::any_of(read.begin() + static_cast<std::ptrdiff_t>(inUse),
                                    read.begin() + static_cast<std::ptrdiff_t>(inUse + 4),
                                    [](std::uint8_t b) { return b != 0; }));
  }
  PINMOVER_FUZZ_CHECK(!file.headerOk || std::memcmp(read.data(), pointFileSignature,
                                                    sizeof pointFileSignature) == 0);
  // Only a file of the right size and header can be free of problems.
  PINMOVER_FUZZ_CHECK(!file.problems.empty() || (size == pointFileSize && file.headerOk));
  return 0;
}
