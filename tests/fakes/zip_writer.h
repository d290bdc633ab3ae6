#pragma once

#include <zlib.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A ZIP archive as the tests want it: written here, entry by entry, so that every archive a test
// reads is plain in its source, and so that it can lie in every way a damaged one does.
namespace pinmover::testing {

inline std::string Le(std::uint64_t value, int bytes) {
  std::string out;
  for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
  return out;
}
inline std::string U16(std::uint64_t value) { return Le(value, 2); }
inline std::string U32(std::uint64_t value) { return Le(value, 4); }
inline std::string U64(std::uint64_t value) { return Le(value, 8); }

inline std::uint32_t Crc(std::string_view bytes) {
  return static_cast<std::uint32_t>(
      crc32(0, reinterpret_cast<const Bytef*>(bytes.data()), static_cast<uInt>(bytes.size())));
}

inline std::string Deflate(std::string_view text) {
  z_stream stream{};
  deflateInit2(&stream, Z_BEST_COMPRESSION, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY);
  std::string out(deflateBound(&stream, text.size()), '\0');
  stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(text.data()));
  stream.avail_in = static_cast<uInt>(text.size());
  stream.next_out = reinterpret_cast<Bytef*>(out.data());
  stream.avail_out = static_cast<uInt>(out.size());
  deflate(&stream, Z_FINISH);
  out.resize(stream.total_out);
  deflateEnd(&stream);
  return out;
}

inline constexpr std::uint32_t zip64Marker = 0xFFFFFFFF;

// One entry of an archive the test writes; the optional fields make the archive lie.
struct ZipEntry {
  std::string name = "doc.kml";
  std::optional<std::string> content = {};  // the archive's default when none is given
  std::uint16_t method = 8;
  bool descriptor = false;  // sizes and CRC-32 after the data, zeros before, as phones write
  bool encrypted = false;
  bool zip64 = false;                      // sizes and offset in the directory's ZIP64 field
  std::optional<std::string> data = {};    // written instead of the content, deflated or stored
  std::optional<std::uint32_t> crc = {};   // stated instead of the content's
  std::optional<std::uint64_t> size = {};  // stated instead of the content's
  std::optional<std::string> localName = {};
  std::optional<std::uint16_t> localMethod = {};
};

inline std::string Zip(const std::vector<ZipEntry>& entries, std::string_view defaultContent,
                       const std::string& comment = "", bool zip64End = false) {
  std::string archive;
  std::string directory;
  for (const ZipEntry& entry : entries) {
    const std::string content = entry.content.value_or(std::string(defaultContent));
    const std::string data = entry.data.value_or(entry.method == 8 ? Deflate(content) : content);
    const std::uint32_t crc = entry.crc.value_or(Crc(content));
    const std::uint64_t size = entry.size.value_or(content.size());
    const int flags = (entry.encrypted ? 1 : 0) | (entry.descriptor ? 8 : 0);
    const std::string localName = entry.localName.value_or(entry.name);
    const std::size_t offset = archive.size();
    const bool later = entry.descriptor;
    archive += U32(0x04034b50) + U16(20) + U16(flags) +
               U16(entry.localMethod.value_or(entry.method)) + U32(0) + U32(later ? 0 : crc) +
               U32(later ? 0 : data.size()) + U32(later ? 0 : size) + U16(localName.size()) +
               U16(0) + localName + data;
    if (later) archive += U32(0x08074b50) + U32(crc) + U32(data.size()) + U32(size);

    const bool big = entry.zip64;
    directory += U32(0x02014b50) + U16(20) + U16(20) + U16(flags) + U16(entry.method) + U32(0) +
                 U32(crc) + U32(big ? zip64Marker : data.size()) + U32(big ? zip64Marker : size) +
                 U16(entry.name.size()) + U16(big ? 28 : 0) + Le(0, 6) + U32(0) +
                 U32(big ? zip64Marker : offset) + entry.name;
    if (big) directory += U16(0x0001) + U16(24) + U64(size) + U64(data.size()) + U64(offset);
  }
  const std::size_t directoryOffset = archive.size();
  archive += directory;
  const std::size_t count = entries.size();
  if (zip64End) {
    archive += U32(0x06064b50) + U64(44) + U16(45) + U16(45) + U64(0) + U64(count) + U64(count) +
               U64(directory.size()) + U64(directoryOffset);
    archive += U32(0x07064b50) + U32(0) + U64(directoryOffset + directory.size()) + U32(1);
  }
  return archive + U32(0x06054b50) + U32(0) + U16(zip64End ? 0xFFFF : count) +
         U16(zip64End ? 0xFFFF : count) + U32(zip64End ? zip64Marker : directory.size()) +
         U32(zip64End ? zip64Marker : directoryOffset) + U16(comment.size()) + comment;
}

}  // namespace pinmover::testing
