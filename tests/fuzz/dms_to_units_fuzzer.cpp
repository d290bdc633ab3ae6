// DmsToUnits on arbitrary text: no overflow the sanitizers see, only the first 32 bytes count,
// and the coordinate texts the reader makes convert as plain arithmetic says.
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>

#include "formats/pmf/dms_text.h"
#include "tests/fuzz/fuzz_check.h"

namespace {

using pinmover::DmsToUnits;

constexpr std::size_t consideredBytes = 32;

// The reader's text for the digits DDDMMSSt of value, and the units it stands for, worked out
// in 64 bits and wrapped to 32 at the end.
struct ReaderCoordinate {
  std::string text;
  std::int32_t units;
};

ReaderCoordinate ReaderCoordinateOf(std::uint32_t value) {
  const std::uint64_t degrees = value / 100000u;
  const std::uint64_t minutes = value % 100000u / 1000u;
  const std::uint64_t seconds = value % 1000u / 10u;
  const std::uint64_t tenths = value % 10u;
  char text[32];
  std::snprintf(text, sizeof text, "%03u/%02u/%02u.%01u", static_cast<unsigned>(degrees),
                static_cast<unsigned>(minutes), static_cast<unsigned>(seconds),
                static_cast<unsigned>(tenths));
  // Seconds of 60 and more are read as thousandths of a second, and the tenths are dropped.
  const bool thousandths = seconds >= 60;
  const std::uint64_t whole = degrees * 3600 + minutes * 60 + (thousandths ? 0 : seconds);
  const std::uint64_t fraction = (thousandths ? seconds : tenths * 100) * 2048;
  const std::uint64_t units = whole * 2048 + fraction / 1000 + (fraction % 1000 >= 500 ? 1 : 0);
  return {text, static_cast<std::int32_t>(static_cast<std::uint32_t>(units))};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::int32_t units = DmsToUnits(text);
  PINMOVER_FUZZ_CHECK(units == DmsToUnits(text.substr(0, consideredBytes)));
  PINMOVER_FUZZ_CHECK(units == DmsToUnits(text.substr(0, text.find('\0'))));
  if (text.size() >= consideredBytes) {
    PINMOVER_FUZZ_CHECK(units == DmsToUnits(std::string(text) + "/59/59.9"));
  }

  if (size >= 4) {
    std::uint32_t value = 0;
    std::memcpy(&value, data, sizeof value);
    const ReaderCoordinate coordinate = ReaderCoordinateOf(value);
    PINMOVER_FUZZ_CHECK(DmsToUnits(coordinate.text) == coordinate.units);
  }
  return 0;
}
