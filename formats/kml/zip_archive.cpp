#include "formats/kml/zip_archive.h"

#include <zlib.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <limits>
#include <new>
#include <span>
#include <string_view>
#include <utility>
#include <vector>

namespace pinmover {

namespace {

constexpr std::uint32_t localHeaderSignature = 0x04034b50;
constexpr std::uint32_t centralHeaderSignature = 0x02014b50;
constexpr std::uint32_t endRecordSignature = 0x06054b50;
constexpr std::uint32_t zip64EndRecordSignature = 0x06064b50;
constexpr std::uint32_t zip64LocatorSignature = 0x07064b50;
constexpr std::size_t localHeaderSize = 30;
constexpr std::size_t centralHeaderSize = 46;
constexpr std::size_t endRecordSize = 22;
constexpr std::size_t zip64LocatorSize = 20;
constexpr std::size_t zip64EndRecordSize = 56;
constexpr std::size_t maxCommentBytes = 0xFFFF;
constexpr std::uint16_t zip64ExtraId = 0x0001;
constexpr std::uint32_t zip64Marker = 0xFFFFFFFF;
constexpr std::uint16_t encryptedFlag = 0x0001;
constexpr std::uint16_t storedMethod = 0;
constexpr std::uint16_t deflatedMethod = 8;
constexpr std::size_t blockBytes = 32 * 1024;

// Every count handed to zlib is bounded by the entry's size.
static_assert(maxKmlBytes < std::numeric_limits<uInt>::max());

std::uint64_t LittleEndian(std::span<const char> bytes, std::size_t at, std::size_t count) {
  std::uint64_t value = 0;
  for (std::size_t i = count; i-- > 0;) {
    value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
  }
  return value;
}

std::uint16_t Le16(std::span<const char> bytes, std::size_t at) {
  return static_cast<std::uint16_t>(LittleEndian(bytes, at, 2));
}

std::uint32_t Le32(std::span<const char> bytes, std::size_t at) {
  return static_cast<std::uint32_t>(LittleEndian(bytes, at, 4));
}

std::uint64_t Le64(std::span<const char> bytes, std::size_t at) {
  return LittleEndian(bytes, at, 8);
}

[[noreturn]] void Damaged() { throw ZipFaultError(ZipFault::Damaged); }

// Whether count bytes from offset end at or before end, with no sum that could wrap.
bool Fits(std::uint64_t offset, std::uint64_t count, std::uint64_t end) {
  return offset <= end && count <= end - offset;
}

// The caller has checked that the bytes lie within the file, so a short read means it shrank.
void ReadAt(InputFile& file, std::uint64_t offset, std::span<char> bytes) {
  file.Seek(offset);
  for (std::size_t filled = 0; filled < bytes.size();) {
    const std::size_t count = file.Read(bytes.subspan(filled));
    if (count == 0) Damaged();
    filled += count;
  }
}

bool EndsWithIgnoringCase(std::string_view text, std::string_view lowerCaseEnding) {
  if (text.size() < lowerCaseEnding.size()) return false;
  return std::equal(
      lowerCaseEnding.begin(), lowerCaseEnding.end(),
      text.end() - static_cast<std::ptrdiff_t>(lowerCaseEnding.size()),
      [](char lower, char c) { return lower == (c >= 'A' && c <= 'Z' ? c + 32 : c); });
}

// Reads a stretch of the archive front to back, a block at a time, so that a directory of any
// size costs one buffer and few reads.
class ArchiveCursor {
 public:
  ArchiveCursor(InputFile& file, std::uint64_t start, std::uint64_t end)
      : file_(file), position_(start), end_(end) {}

  bool AtEnd() const { return next_ == filled_ && position_ == end_; }

  // Throws Damaged when the stretch ends first.
  void Take(std::span<char> bytes) {
    for (std::size_t taken = 0; taken < bytes.size();) {
      if (next_ == filled_) Fill();
      const std::size_t count = std::min(bytes.size() - taken, filled_ - next_);
      std::memcpy(bytes.data() + taken, buffer_.data() + next_, count);
      next_ += count;
      taken += count;
    }
  }

  void Skip(std::uint64_t count) {
    const std::size_t buffered = filled_ - next_;
    if (count <= buffered) {
      next_ += static_cast<std::size_t>(count);
      return;
    }
    count -= buffered;
    next_ = filled_ = 0;
    if (count > end_ - position_) Damaged();
    position_ += count;
  }

 private:
  void Fill() {
    if (position_ == end_) Damaged();
    filled_ = static_cast<std::size_t>(std::min<std::uint64_t>(buffer_.size(), end_ - position_));
    ReadAt(file_, position_, {buffer_.data(), filled_});
    position_ += filled_;
    next_ = 0;
  }

  InputFile& file_;
  std::uint64_t position_;  // of the first byte not yet buffered
  std::uint64_t end_;
  std::vector<char> buffer_ = std::vector<char>(blockBytes);
  std::size_t next_ = 0;
  std::size_t filled_ = 0;
};

struct Directory {
  std::uint64_t offset = 0;
  std::uint64_t size = 0;
  std::uint64_t end = 0;  // where the record that found it starts; the directory must end before
};

struct EntryRecord {
  std::string name;
  std::uint16_t flags = 0;
  std::uint16_t method = 0;
  std::uint32_t crc = 0;
  std::uint64_t compressedSize = 0;
  std::uint64_t size = 0;
  std::uint64_t localOffset = 0;
};

// The ZIP64 end record's directory, when a locator just before the end record points to one.
std::optional<Directory> Zip64Directory(InputFile& file, std::uint64_t endRecordOffset) {
  if (endRecordOffset < zip64LocatorSize) return std::nullopt;
  const std::uint64_t locatorOffset = endRecordOffset - zip64LocatorSize;
  std::array<char, zip64LocatorSize> locator;
  ReadAt(file, locatorOffset, locator);
  if (Le32(locator, 0) != zip64LocatorSignature) return std::nullopt;
  const std::uint64_t recordOffset = Le64(locator, 8);
  if (!Fits(recordOffset, zip64EndRecordSize, locatorOffset)) Damaged();
  std::array<char, zip64EndRecordSize> record;
  ReadAt(file, recordOffset, record);
  if (Le32(record, 0) != zip64EndRecordSignature) Damaged();
  return Directory{Le64(record, 48), Le64(record, 40), recordOffset};
}

// The end record may be followed by a comment of up to 64 KiB, which may itself hold the
// record's signature: a record whose comment ends the file exactly is preferred, else the last
// one whose comment fits.
std::optional<Directory> FindDirectory(InputFile& file, std::uint64_t length) {
  if (length < endRecordSize) return std::nullopt;
  const auto tailSize =
      static_cast<std::size_t>(std::min<std::uint64_t>(length, endRecordSize + maxCommentBytes));
  const std::uint64_t tailStart = length - tailSize;
  std::vector<char> tail(tailSize);
  ReadAt(file, tailStart, tail);
  std::optional<std::size_t> found;
  for (std::size_t at = tailSize - endRecordSize + 1; at-- > 0;) {
    if (Le32(tail, at) != endRecordSignature) continue;
    const std::size_t commentEnd = at + endRecordSize + Le16(tail, at + 20);
    if (commentEnd == tailSize) {
      found = at;
      break;
    }
    if (!found && commentEnd < tailSize) found = at;
  }
  if (!found) return std::nullopt;

  const std::span<const char> record(tail.data() + *found, endRecordSize);
  const std::uint64_t recordOffset = tailStart + *found;
  if (Le16(record, 10) == 0xFFFF || Le32(record, 12) == zip64Marker ||
      Le32(record, 16) == zip64Marker) {
    if (std::optional<Directory> zip64 = Zip64Directory(file, recordOffset)) return zip64;
  }
  return Directory{Le32(record, 16), Le32(record, 12), recordOffset};
}

// A size or offset of 0xFFFFFFFF stands for an 8-byte value in the ZIP64 extra field, which
// holds those so marked and only them, in this order.
void ReadExtraField(ArchiveCursor& cursor, std::size_t extraBytes, EntryRecord& record) {
  std::array<std::uint64_t*, 3> wanted{};
  std::size_t wantedCount = 0;
  for (std::uint64_t* field : {&record.size, &record.compressedSize, &record.localOffset}) {
    if (*field == zip64Marker) wanted[wantedCount++] = field;
  }
  if (wantedCount == 0) {
    cursor.Skip(extraBytes);
    return;
  }
  std::size_t remaining = extraBytes;
  std::array<char, 8> bytes;
  while (wantedCount != 0 && remaining >= 4) {
    cursor.Take(std::span(bytes).first(4));
    const std::uint16_t id = Le16(bytes, 0);
    const std::size_t fieldBytes = Le16(bytes, 2);
    remaining -= 4;
    if (fieldBytes > remaining) Damaged();
    remaining -= fieldBytes;
    if (id != zip64ExtraId) {
      cursor.Skip(fieldBytes);
      continue;
    }
    if (fieldBytes < 8 * wantedCount) Damaged();
    for (std::size_t i = 0; i < wantedCount; ++i) {
      cursor.Take(bytes);
      *wanted[i] = Le64(bytes, 0);
    }
    cursor.Skip(fieldBytes - 8 * wantedCount);
    wantedCount = 0;
  }
  if (wantedCount != 0) Damaged();
  cursor.Skip(remaining);
}

// "doc.kml" at the root, else the first name that ends in ".kml".
std::optional<EntryRecord> ChooseKml(InputFile& file, const Directory& directory) {
  ArchiveCursor cursor(file, directory.offset, directory.offset + directory.size);
  std::optional<EntryRecord> firstKml;
  std::array<char, centralHeaderSize> header;
  std::string name;
  while (!cursor.AtEnd()) {
    cursor.Take(header);
    if (Le32(header, 0) != centralHeaderSignature) Damaged();
    name.resize(Le16(header, 28));
    cursor.Take(name);
    const bool isDoc = name.size() == 7 && EndsWithIgnoringCase(name, "doc.kml");
    if (isDoc || (!firstKml && EndsWithIgnoringCase(name, ".kml"))) {
      EntryRecord record{.name = name,
                         .flags = Le16(header, 8),
                         .method = Le16(header, 10),
                         .crc = Le32(header, 16),
                         .compressedSize = Le32(header, 20),
                         .size = Le32(header, 24),
                         .localOffset = Le32(header, 42)};
      ReadExtraField(cursor, Le16(header, 30), record);
      if (isDoc) return record;
      firstKml = std::move(record);
    } else {
      cursor.Skip(Le16(header, 30));
    }
    cursor.Skip(Le16(header, 32));
  }
  return firstKml;
}

// Where the entry's data start, once its local header agrees with the directory; the data
// must end before the directory starts.
std::uint64_t LocateData(InputFile& file, const EntryRecord& record, std::uint64_t dataEnd) {
  if (!Fits(record.localOffset, localHeaderSize, dataEnd)) Damaged();
  std::array<char, localHeaderSize> header;
  ReadAt(file, record.localOffset, header);
  if (Le32(header, 0) != localHeaderSignature || Le16(header, 8) != record.method ||
      Le16(header, 26) != record.name.size()) {
    Damaged();
  }
  const std::uint64_t nameOffset = record.localOffset + localHeaderSize;
  if (!Fits(nameOffset, record.name.size(), dataEnd)) Damaged();
  std::string name(record.name.size(), '\0');
  ReadAt(file, nameOffset, name);
  if (name != record.name) Damaged();
  const std::uint64_t dataOffset = nameOffset + name.size() + Le16(header, 28);
  if (!Fits(dataOffset, record.compressedSize, dataEnd)) Damaged();
  return dataOffset;
}

// A file cut short loses its end record but keeps the signature it starts with.
bool StartsLikeArchive(InputFile& file, std::uint64_t length) {
  if (length < 4) return false;
  std::array<char, 4> start;
  ReadAt(file, 0, start);
  return Le32(start, 0) == localHeaderSignature;
}

// The entry's bytes, inflated or copied straight into the reader's buffer.
class ZipEntryStream : public InputFile {
 public:
  ZipEntryStream(InputFile& archive, const EntryRecord& record, std::uint64_t dataOffset)
      : archive_(archive),
        deflated_(record.method == deflatedMethod),
        dataOffset_(dataOffset),
        compressedSize_(record.compressedSize),
        size_(record.size),
        expectedCrc_(record.crc) {
    if (deflated_ && inflateInit2(&inflater_, -MAX_WBITS) != Z_OK) throw std::bad_alloc();
  }
  ~ZipEntryStream() override {
    if (deflated_) inflateEnd(&inflater_);
  }
  ZipEntryStream(const ZipEntryStream&) = delete;
  ZipEntryStream& operator=(const ZipEntryStream&) = delete;

  std::uint64_t Length() override { return size_; }

  std::size_t Read(std::span<char> buffer) override {
    std::size_t filled = 0;
    while (filled < buffer.size() && !ended_) {
      // One byte past the stated size is enough to tell that the data exceed it.
      std::span<char> out = buffer.subspan(filled);
      out = out.first(
          static_cast<std::size_t>(std::min<std::uint64_t>(out.size(), size_ - produced_ + 1)));
      const std::size_t count = deflated_ ? Inflate(out) : Copy(out);
      produced_ += count;
      if (produced_ > size_) Damaged();
      crc_ = crc32(crc_, reinterpret_cast<const Bytef*>(out.data()), static_cast<uInt>(count));
      filled += count;
    }
    if (ended_ && (produced_ != size_ || crc_ != expectedCrc_)) Damaged();
    return filled;
  }

  void Seek(std::uint64_t) override { throw FileError(FileErrorCause::BadSeek); }
  void Close() override {}

 private:
  std::size_t Copy(std::span<char> out) {
    const std::uint64_t left = size_ - produced_;
    if (left == 0) {
      ended_ = true;
      return 0;
    }
    archive_.Seek(dataOffset_ + produced_);
    const std::size_t count = archive_.Read(
        out.first(static_cast<std::size_t>(std::min<std::uint64_t>(out.size(), left))));
    if (count == 0) Damaged();  // the archive shrank since it was opened
    return count;
  }

  std::size_t Inflate(std::span<char> out) {
    if (inflater_.avail_in == 0) Refill();
    inflater_.next_out = reinterpret_cast<Bytef*>(out.data());
    inflater_.avail_out = static_cast<uInt>(out.size());
    const int result = inflate(&inflater_, Z_NO_FLUSH);
    if (result == Z_MEM_ERROR) throw std::bad_alloc();
    // Z_BUF_ERROR here means the compressed data ran out before their end.
    if (result != Z_OK && result != Z_STREAM_END) Damaged();
    if (result == Z_STREAM_END) {
      ended_ = true;
      if (inflater_.avail_in != 0 || consumed_ != compressedSize_) Damaged();
    }
    return out.size() - inflater_.avail_out;
  }

  void Refill() {
    const auto count = static_cast<std::size_t>(
        std::min<std::uint64_t>(input_.size(), compressedSize_ - consumed_));
    if (count == 0) return;
    ReadAt(archive_, dataOffset_ + consumed_, {input_.data(), count});
    consumed_ += count;
    inflater_.next_in = reinterpret_cast<Bytef*>(input_.data());
    inflater_.avail_in = static_cast<uInt>(count);
  }

  InputFile& archive_;
  const bool deflated_;
  const std::uint64_t dataOffset_;
  const std::uint64_t compressedSize_;
  const std::uint64_t size_;
  const std::uint32_t expectedCrc_;
  z_stream inflater_{};
  std::array<char, blockBytes> input_;
  std::uint64_t consumed_ = 0;  // compressed bytes handed to the inflater
  std::uint64_t produced_ = 0;
  uLong crc_ = crc32(0, nullptr, 0);
  bool ended_ = false;
};

KmlEntryOpening Refused(ZipFault fault, std::uint32_t method = 0) {
  return KmlEntryOpening{std::nullopt, fault, method};
}

const char* FaultText(ZipFault fault) {
  switch (fault) {
    case ZipFault::NotAnArchive: return "not a ZIP archive";
    case ZipFault::Damaged: return "damaged ZIP archive";
    case ZipFault::Encrypted: return "encrypted ZIP entry";
    case ZipFault::UnsupportedMethod: return "unsupported ZIP compression method";
    case ZipFault::NoKml: return "no KML file in the ZIP archive";
    case ZipFault::TooLarge: return "KML file too large";
  }
  return "ZIP archive fault";
}

}  // namespace

ZipFaultError::ZipFaultError(ZipFault fault)
    : std::runtime_error(FaultText(fault)), fault_(fault) {}

KmlEntryOpening OpenKmlEntry(InputFile& archive) {
  try {
    const std::uint64_t length = archive.Length();
    const std::optional<Directory> directory = FindDirectory(archive, length);
    if (!directory) {
      return Refused(StartsLikeArchive(archive, length) ? ZipFault::Damaged
                                                        : ZipFault::NotAnArchive);
    }
    if (!Fits(directory->offset, directory->size, directory->end)) Damaged();
    std::optional<EntryRecord> record = ChooseKml(archive, *directory);
    if (!record) return Refused(ZipFault::NoKml);
    if (record->flags & encryptedFlag) return Refused(ZipFault::Encrypted);
    if (record->method != storedMethod && record->method != deflatedMethod) {
      return Refused(ZipFault::UnsupportedMethod, record->method);
    }
    if (record->size > maxKmlBytes) return Refused(ZipFault::TooLarge);
    if (record->method == storedMethod && record->compressedSize != record->size) Damaged();
    const std::uint64_t dataOffset = LocateData(archive, *record, directory->offset);
    auto stream = std::make_unique<ZipEntryStream>(archive, *record, dataOffset);
    return KmlEntryOpening{KmlEntry{std::move(stream), std::move(record->name)},
                           ZipFault::NotAnArchive, 0};
  } catch (const ZipFaultError& error) {
    return Refused(error.Fault());
  }
}

}  // namespace pinmover
