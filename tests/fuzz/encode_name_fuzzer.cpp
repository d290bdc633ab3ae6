// EncodeName on arbitrary bytes into a buffer of any size: it never writes past the buffer, it
// stores whole two-byte units, a smaller buffer keeps a prefix of what a larger one gets, and a
// point slot keeps at most 38 bytes of name followed by zeros.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "tests/fakes/fake_clock.h"
#include "tests/fakes/fake_file_system.h"
#include "tests/fuzz/fuzz_check.h"
#include "unitfile/jis_x0208.h"
#include "unitfile/point_file_layout.h"
#include "unitfile/point_image.h"

namespace {

using namespace pinmover;
using namespace pinmover::testing;

struct Image {
  FakeFileSystem files;
  FakeClock clock;
  PointImage image{files, clock};
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::size_t capacity = data[0] % 48u;
  const std::string name(reinterpret_cast<const char*>(data) + 1, size - 1);
  const std::string_view text(name.c_str());  // up to the first zero byte, as the name ends

  // Exactly the asked size on the heap, so that the address sanitizer sees any byte beyond it.
  std::vector<std::uint8_t> units(capacity);
  const std::size_t stored = EncodeName(name, units);
  std::vector<std::uint8_t> whole(2 * text.size() + 2);
  const std::size_t wholeStored = EncodeName(name, whole);

  PINMOVER_FUZZ_CHECK(stored % 2 == 0);
  PINMOVER_FUZZ_CHECK(wholeStored <= 2 * text.size());
  PINMOVER_FUZZ_CHECK(stored == std::min(wholeStored, capacity / 2 * 2));
  PINMOVER_FUZZ_CHECK(std::equal(units.begin(), units.begin() + static_cast<std::ptrdiff_t>(stored),
                                 whole.begin()));
  for (std::size_t i = 0; i < wholeStored; i += 2) {
    // 0xFF escapes a one-byte character, which is never a JIS X 0208 row.
    PINMOVER_FUZZ_CHECK(whole[i] != 0xFF || whole[i + 1] < 0x80);
  }
  if (std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; })) {
    PINMOVER_FUZZ_CHECK(wholeStored == 2 * text.size());
  }

  static Image image;
  image.image.InitPoint(0);
  image.image.SetName(0, name);
  const std::uint8_t* slotName = image.image.Bytes().data() + headerSize +
                                 offsetof(PointImageRecord, name);
  const std::size_t kept = static_cast<std::size_t>(
      std::find(slotName, slotName + sizeof(PointImageRecord::name), 0) - slotName);
  PINMOVER_FUZZ_CHECK(kept <= nameUnitBytes);
  PINMOVER_FUZZ_CHECK(std::memcmp(slotName, whole.data(), kept) == 0);
  PINMOVER_FUZZ_CHECK(kept == std::min(wholeStored, nameUnitBytes) || whole[kept] == 0);
  PINMOVER_FUZZ_CHECK(std::all_of(slotName + kept, slotName + sizeof(PointImageRecord::name),
                                  [](std::uint8_t b) { return b == 0; }));
  return 0;
}
