#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>

#include "platform/file_system.h"

namespace pinmover {

// Why an archive cannot give its KML.
enum class ZipFault {
  NotAnArchive,       // no end-of-central-directory record and no ZIP start: not a ZIP file
  Damaged,            // truncated, a header that does not add up, sizes or CRC-32 that disagree
  Encrypted,          // the chosen entry is encrypted
  UnsupportedMethod,  // neither stored nor deflated; the method number comes with the fault
  NoKml,              // no entry ending in .kml
  TooLarge,           // the entry says it inflates past maxKmlBytes
};

// Raised by the entry stream's Read when the data turn out damaged half-way.
class ZipFaultError : public std::runtime_error {
 public:
  explicit ZipFaultError(ZipFault fault);

  ZipFault Fault() const noexcept { return fault_; }

 private:
  ZipFault fault_;
};

// The KML of a real map of 100 000 placemarks takes some tens of MB. Four times as much still
// inflates and parses in about three seconds at 100 MB/s, within ten on a slower machine, while
// a "zip bomb" of gigabytes is refused before a byte of it is inflated.
inline constexpr std::uint64_t maxKmlBytes = std::uint64_t{256} << 20;

struct KmlEntry {
  // Reads the entry's uncompressed bytes; Length is the size the archive states. Read raises
  // ZipFaultError(Damaged) when the data, their size or their CRC-32 disagree with the archive,
  // and never yields more than Length bytes. Seek throws FileError(BadSeek).
  std::unique_ptr<InputFile> stream;
  std::string name;  // the entry's name as stored
};

struct KmlEntryOpening {
  std::optional<KmlEntry> entry;
  ZipFault fault = ZipFault::NotAnArchive;  // why there is no entry
  std::uint32_t method = 0;                 // with UnsupportedMethod: the entry's method
};

// Finds the KML of a KMZ: "doc.kml" at the archive's root, else the first entry whose name ends
// in ".kml" (in any letter case) in the central directory's order; every other entry is ignored.
// ZIP64 sizes and offsets are read. archive must outlive the entry's stream, which alone reads it
// from then on. FileError from archive passes through, here and from the stream.
KmlEntryOpening OpenKmlEntry(InputFile& archive);

}  // namespace pinmover
